"""Prints the reference schedules of the golden dives (run: python3 cases.py)."""

import sys

from deco_reference import (Dive, GasSwitchRow, PlanPoint, POINT_TYPE_NAMES, Coefficients,
                            cns_increment, cns_limit_minutes, otu_increment,
                            saturated_surface_n2)


def mmss(t):
    return "%d:%02d" % (t // 60, t % 60)


def print_dive(title, dive, bottom_end_s=None):
    print("=" * 78)
    print(title)
    print("  model surface %.0f mbar, GF %.0f/%.0f, last stop %.1f m, rates %.0f/%.0f m/min"
          % (dive.model_surface_mbar, dive.gf_low, dive.gf_high, dive.last_stop_m,
             dive.descent_rate, dive.ascent_rate))
    print("  profile legs (type, depth m, start s, duration s, end s, gas):")
    for p in dive.profile:
        print("    %-11s %6.1f %6d %6d %6d  %s" % (POINT_TYPE_NAMES[p.type], p.depth_m, p.start_s,
                                                p.duration_s, p.end_s, p.gas_name()))
    print("  stops (depth m, duration s, gas):")
    for depth, dur, gas in dive.stops():
        print("    %5.1f m  %5d s  %s" % (depth, dur, gas))
    print("  printed segments (type, depth m, duration s, run time s, gas):")
    for s in dive.segments:
        print("    %d %-13s %6.1f %6d %6d  %s" % (s.type, s.type_name() or "-", s.depth_m,
                                              s.duration_s, s.run_time_s, s.gas))
    last = dive.final_step()
    print("  surfacing run time: %d s (%s)" % (dive.surfacing_time(), mmss(dive.surfacing_time())))
    print("  final CNS %.9f  OTU %.6f" % (last.cns, last.otu))
    print("  maximum ceiling %.6f m (decoLimit %.6f mbar abs)" % (last.max_ceiling_mbar / 100.0,
                                                                 dive.deco_limit))
    print("  smallest ceiling-to-stop-depth margin seen by the stop choice: %.3g m" % dive.min_stop_margin_m)
    assert dive.all_steps_finite()
    if dive.events:
        print("  notes: " + "; ".join(dive.events))
    if bottom_end_s is not None:
        st = dive.steps[bottom_end_s]
        assert st.time == bottom_end_s
        print("  tensions at t=%d s (end of the bottom leg, depth %.1f m):" % (st.time, st.depth_mbar / 100))
        for c in (0, 15):
            print("    compartment %2d  N2 %.6f  He %.6f mbar" % (c + 1, st.n2[c], st.he_t[c]))


def hand_checks():
    print("Hand checks")
    n2 = saturated_surface_n2(970.0)
    print("  saturated N2 at 970 mbar: %.6f (expect 721.507)" % n2)
    assert abs(n2 - 721.507) < 1e-9
    d = Dive(surface_mbar=1000.0)
    d.user_points = [PlanPoint(10.0, 60)]
    d.calculate()
    assert all(abs(x - 721.507) < 1e-9 for x in d.steps[0].n2)
    cns = sum(cns_increment(1.4, 1) for _ in range(3600))
    otu = sum(otu_increment(1.4, 1) for _ in range(3600))
    print("  60 min at ppO2 1.4: CNS %.6f (expect 0.400)  OTU %.4f (expect 97.92)" % (cns, otu))
    assert abs(cns - 0.4) < 1e-9 and abs(otu - 97.92) < 0.005
    print("  CNS limit at 1.45 bar: %.4f min (expect 135)" % cns_limit_minutes(1.45))
    c = Coefficients(1)
    print("  kS compartment 1 N2: %.10f (expect 0.0028839467); kM %.10f (expect 0.1591035847)"
          % (c.ks_n2[0], c.km_n2[0]))
    assert abs(c.ks_n2[0] - 0.0028839467) < 1e-10 and abs(c.km_n2[0] - 0.1591035847) < 1e-10


def case_a():
    dive = Dive(surface_mbar=1000.0, gf_low=30, gf_high=70, last_stop_m=6.0)
    dive.user_points = [PlanPoint(60.0, 1500, 18.0, 45.0),
                        PlanPoint(21.0, 0, 50.0, 0.0),
                        PlanPoint(6.0, 0, 100.0, 0.0)]
    dive.calculate()
    print_dive("Case a: OC 18/45 60 m, bottom leg ends at 25:00, EAN50 from 21 m, O2 from 6 m, GF 30/70",
               dive, bottom_end_s=1500)
    # The same dive planned with a gas-switch schedule gives the same working list.
    sched = Dive(surface_mbar=1000.0, gf_low=30, gf_high=70, last_stop_m=6.0)
    sched.user_points = [PlanPoint(60.0, 1500, 18.0, 45.0)]
    sched.travel_rows = [GasSwitchRow(0.0, 18.0, 45.0)] + [GasSwitchRow(0, 0, 0, gas_set=False)] * 11
    sched.deco_rows = ([GasSwitchRow(6.0, 100.0, 0.0), GasSwitchRow(21.0, 50.0, 0.0)]
                       + [GasSwitchRow(0, 0, 0, gas_set=False)] * 10)
    sched.calculate()
    same = (sched.stops() == dive.stops() and sched.surfacing_time() == dive.surfacing_time())
    print("  gas-switch schedule version gives the same stops and run time: %s" % same)
    assert same
    return dive


def case_b():
    dive = Dive(surface_mbar=1000.0, gf_low=30, gf_high=80, last_stop_m=6.0)
    dive.user_points = [PlanPoint(100.0, 1800, 10.0, 50.0, closed_circuit=True, setpoint_bar=1.3)]
    dive.calculate()
    print_dive("Case b: CC diluent 10/50, set-point 1.3, 100 m, 30 min (descent included), GF 30/80",
               dive, bottom_end_s=1800)
    return dive


def case_c():
    first = Dive(surface_mbar=1000.0, gf_low=30, gf_high=85)
    first.user_points = [PlanPoint(30.0, 1500)]
    first.calculate()
    print_dive("Case c, dive 1: air 30 m, 25 min, GF 30/85", first, bottom_end_s=1500)
    second = Dive(surface_mbar=1000.0, gf_low=30, gf_high=85, surface_interval_s=3600)
    second.user_points = [PlanPoint(30.0, 1200)]
    second.calculate(previous_final_step=first.final_step())
    s0 = second.steps[0]
    print("=" * 78)
    print("Case c, dive 2 start after 60 min (Buhlmann equation):")
    print("  step 0: CNS %.9f OTU %.6f; compartment 1 N2 %.6f, compartment 16 N2 %.6f"
          % (s0.cns, s0.otu, s0.n2[0], s0.n2[15]))
    print_dive("Case c, dive 2: air 30 m, 20 min, GF 30/85, after 60 min surface interval",
               second, bottom_end_s=1200)
    return first, second


def case_d(gf_fix=True):
    print("=" * 78)
    print("Case d: air 21 m, 50 min, GF 60/85, last stop 6 m, by dive surface pressure")
    rows = []
    for surface in (1040, 1050, 1060, 1070, 1080):
        dive = Dive(surface_mbar=float(surface), gf_low=60, gf_high=85, last_stop_m=6.0)
        dive.user_points = [PlanPoint(21.0, 3000)]
        dive.calculate()
        stops = dive.stops()
        six = sum(dur for depth, dur, _ in stops if depth == 6.0)
        rows.append((surface, dive.model_surface_mbar, stops, six, dive.surfacing_time(),
                     dive.deco_limit, dive.final_step().max_ceiling_mbar / 100.0))
        print("  surface %4d (model %4.0f): stops %s; 6 m stop %4d s; surfacing %5d s; "
              "decoLimit %.2f; max ceiling %.4f m"
              % (surface, dive.model_surface_mbar,
                 ", ".join("%.0fm %ds" % (d, t) for d, t, _ in stops) or "none", six,
                 dive.surfacing_time(), dive.deco_limit, dive.final_step().max_ceiling_mbar / 100.0))
    # Smoothness: every dive surface from 1000 to 1100 mbar, one mbar apart.
    previous = None
    sweep = []
    for surface in range(1000, 1101):
        dive = Dive(surface_mbar=float(surface), gf_low=60, gf_high=85, last_stop_m=6.0)
        dive.user_points = [PlanPoint(21.0, 3000)]
        dive.calculate()
        assert dive.all_steps_finite()
        six = sum(dur for depth, dur, _ in dive.stops() if depth == 6.0)
        assert [d for d, _, _ in dive.stops()] == [6.0]
        if previous is not None:
            assert 0 <= previous - six <= 60, (surface, previous, six)
        if previous != six:
            sweep.append("%d:%d" % (surface, six))
        previous = six
    print("  sweep 1000..1100 mbar (dive surface: 6 m stop s, where it changes): " + " ".join(sweep))
    return rows


def case_e():
    dive = Dive(surface_mbar=1000.0)
    dive.user_points = [PlanPoint(30.0, 1500)]
    dive.calculate()
    descent, bottom = dive.profile[1], dive.profile[2]
    print("=" * 78)
    print("Case e: air 30 m / 25 min at 20 m/min: descent leg %d s (%s), bottom leg %d s (%s)"
          % (descent.duration_s, POINT_TYPE_NAMES[descent.type], bottom.duration_s,
             POINT_TYPE_NAMES[bottom.type]))
    assert descent.duration_s == 90 and bottom.duration_s == 1410
    return dive


def main():
    hand_checks()
    case_a()
    case_b()
    case_c()
    case_d()
    case_e()


if __name__ == "__main__" and "--markdown" not in sys.argv and "--golden" not in sys.argv:
    sys.exit(main())


def markdown_tables():
    """The compact tables of expected.md (run: python3 cases.py --markdown)."""
    def dive_table(title, dive, bottom_end_s):
        out = ["### " + title, "",
               "| stop depth (m) | duration (s) | gas | start (s) | end (s) |", "|---|---|---|---|---|"]
        for p in dive.profile:
            if p.type == 5:
                out.append("| %.0f | %d | %s | %d | %d |" % (p.depth_m, p.duration_s, p.gas_name(),
                                                          p.start_s, p.end_s))
        last = dive.final_step()
        out += ["", "| result | value |", "|---|---|",
                "| surfacing run time (end of the last leg) | %d s (%s) |" % (dive.surfacing_time(),
                                                                              mmss(dive.surfacing_time())),
                "| final CNS (fraction) | %.9f |" % last.cns,
                "| final OTU | %.6f |" % last.otu,
                "| maximum ceiling (deepest step ceiling) | %.6f m |" % (last.max_ceiling_mbar / 100.0),
                "| decoLimit at the end (abs) | %.6f mbar |" % dive.deco_limit,
                "| smallest ceiling-to-stop margin | %.3g m |" % dive.min_stop_margin_m]
        st = dive.steps[bottom_end_s]
        for c in (0, 15):
            out.append("| compartment %d at t=%d s: N2 / He | %.6f / %.6f mbar |"
                       % (c + 1, bottom_end_s, st.n2[c], st.he_t[c]))
        out += ["", "Legs (type depth/start/duration): " + "; ".join(
            "%s %.0f/%d/%d" % (POINT_TYPE_NAMES[p.type], p.depth_m, p.start_s, p.duration_s)
            for p in dive.profile[1:]), "",
            "Printed segments (type, depth m, duration s, run time s): " + "; ".join(
                "(%d, %.0f, %d, %d)" % (s.type, s.depth_m, s.duration_s, s.run_time_s)
                for s in dive.segments), ""]
        return out

    import contextlib
    import io
    with contextlib.redirect_stdout(io.StringIO()):
        a = case_a()
        b = case_b()
        c1, c2 = case_c()
        d_rows = case_d()
    lines = []
    lines += dive_table("a. OC trimix 18/45, 60 m, bottom leg ends at 25:00, EAN50 21 m, O2 6 m, GF 30/70", a, 1500)
    lines += dive_table("b. CC diluent 10/50, set-point 1.3, 100 m, 30 min, GF 30/80", b, 1800)
    lines += dive_table("c. dive 1: air 30 m, 25 min, GF 30/85", c1, 1500)
    s0 = c2.steps[0]
    lines += ["Dive 2 step 0 after 3600 s (Bühlmann equation): CNS %.9f, OTU %.6f, compartment 1 N2 %.6f, "
              "compartment 16 N2 %.6f mbar." % (s0.cns, s0.otu, s0.n2[0], s0.n2[15]), ""]
    lines += dive_table("c. dive 2: air 30 m, 20 min, GF 30/85, after a 60 min surface interval", c2, 1200)
    lines += ["### d. air 21 m, 50 min, GF 60/85, last stop 6 m", "",
              "| dive surface (mbar) | model surface | stops | 6 m stop (s) | surfacing (s) | max ceiling (m) |",
              "|---|---|---|---|---|---|"]
    for surface, model, stops, six, surf, deco_limit, maxc in d_rows:
        lines.append("| %d | %.0f | %s | %d | %d | %.6f |" % (
            surface, model, ", ".join("%.0f m %d s" % (dd, tt) for dd, tt, _ in stops), six, surf, maxc))
    print("\n".join(lines))


if __name__ == "__main__" and "--markdown" in sys.argv:
    markdown_tables()


def golden_values():
    """Every number the C++ golden tests assert, at full precision (run: python3 cases.py --golden)."""
    import contextlib
    import io
    with contextlib.redirect_stdout(io.StringIO()):
        a = case_a()
        b = case_b()
        c1, c2 = case_c()

    def dump(name, dive, bottom_end_s):
        last = dive.final_step()
        print("%s: stops %s" % (name, [(p.depth_m, p.start_s, p.duration_s) for p in dive.profile if p.type == 5]))
        print("%s: surfacing %d, final CNS %r, final OTU %r, max ceiling %r m, decoLimit %r"
              % (name, dive.surfacing_time(), last.cns, last.otu, last.max_ceiling_mbar / 100.0, dive.deco_limit))
        st = dive.steps[bottom_end_s]
        print("%s: t=%d compartment 1 N2 %r He %r, compartment 16 N2 %r He %r"
              % (name, bottom_end_s, st.n2[0], st.he_t[0], st.n2[15], st.he_t[15]))
        print("%s: segments %s" % (name, [(s.type, s.depth_m, s.duration_s, s.run_time_s) for s in dive.segments]))

    dump("a", a, 1500)
    dump("b", b, 1800)
    dump("c1", c1, 1500)
    s0 = c2.steps[0]
    print("c2 step 0: CNS %r OTU %r compartment 1 N2 %r compartment 16 N2 %r" % (s0.cns, s0.otu, s0.n2[0], s0.n2[15]))
    dump("c2", c2, 1200)


if __name__ == "__main__" and "--golden" in sys.argv:
    golden_values()
