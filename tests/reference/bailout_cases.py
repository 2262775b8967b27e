"""Prints the reference bailout schedules the C++ bailout tests assert (run: python3 bailout_cases.py)."""

from bailout_reference import Bailout, BailoutFailed, Dive, PlanPoint, used_switches
from deco_reference import POINT_TYPE_NAMES


def cc_dive(depth, duration, no_clear_surface=False, **settings):
    dive = Dive(surface_mbar=1000.0, **settings)
    point = PlanPoint(depth, duration, 10.0, 50.0, closed_circuit=True, setpoint_bar=1.3)
    point.no_clear_surface = no_clear_surface
    dive.user_points = [point]
    return dive


def print_bailout(title, bailout):
    d = bailout.dive
    print("=" * 78)
    print(title)
    print("  moment t=%d depth %.2f m, ceiling %.6f m, EAD %.6f m, remaining %d s, deepest %.2f m"
          % (bailout.time, bailout.depth, bailout.ceiling, bailout.ead, bailout.remaining, bailout.deepest))
    print("  bailout points (depth m, duration s, gas, bailout, no clear surface):")
    for q in bailout.points:
        print("    %6.2f %6d  %-14s %d %d" % (q.depth_m, q.duration_s, q.gas_name(), q.bailout, q.no_clear_surface))
    print("  switches (depth, O2, He): %s" % used_switches(bailout))
    for name in ("gases_before_icd", "icd_stop", "pressure_ratio", "shallow_ppo2_tried", "ppo2_tried", "icd_passes"):
        if hasattr(bailout, name):
            print("  %s: %s" % (name, getattr(bailout, name)))
    print("  profile legs (type, depth m, start s, duration s, gas):")
    for p in d.profile[1:]:
        print("    {%d, %g, %d, %d},  # %s %s" % (p.type, p.depth_m, p.start_s, p.duration_s,
                                               POINT_TYPE_NAMES[p.type], p.gas_name()))
    last = d.steps[-1]
    print("  bailout start step %d; surfacing %d s; final CNS %.12f; OTU %.9f; messages %s; questions %s"
          % (d.bailout_start, d.profile[-1].end_s, last.cns, last.otu, bailout.messages, bailout.questions))
    print("  steps with counter-diffusion risk after the bailout: %d" %
          sum(1 for st in d.steps[d.bailout_start + 1:] if st.icd))
    if d.events:
        print("  notes: " + "; ".join(d.events))


def plan(title, dive, cursor, at_end, previous=None, **settings):
    dive.calculate(previous)
    bailout = Bailout(dive, previous=previous, **settings)
    bailout.choose_moment(cursor, at_end)
    bailout.build_points()
    try:
        if bailout.gas_list is not None:
            bailout.plan_from_list()
        else:
            bailout.plan_by_rules()
    except BailoutFailed as failure:
        print("=" * 78)
        print(title)
        print("  FAILED: %s; messages %s; questions %s" % (failure, bailout.messages, bailout.questions))
        return bailout
    print_bailout(title, bailout)
    return bailout


def main():
    plan("Rules: CC 10/50 SP 1.3, 60 m 20 min, GF 20/80, 3 switches, bailout at the end of the bottom",
         cc_dive(60.0, 1200), 600, True, switch_count=3)
    plan("List 21/35,50/0,100/0: the same dive and moment",
         cc_dive(60.0, 1200), 600, True, gas_list="21/35,50/0,100/0")
    plan("Rules, No Clear Surface bottom: CC 10/50 45 m 30 min, bailout from the cursor at t=900",
         cc_dive(45.0, 1800, no_clear_surface=True), 900, False, switch_count=2)
    plan("Rules, CNS limit 20 %: the first dive, 3 switches",
         cc_dive(60.0, 1200), 600, True, switch_count=3, max_cns_percent=20.0)
    plan("List, CNS limit 0 %: P runs down to 0.5",
         cc_dive(12.0, 1200), 600, True, gas_list="21/0,100/0", max_cns_percent=0.0)
    plan("List 21/35,50/0,100/0, CNS limit 35 %: ppO2 1.5 fits",
         cc_dive(60.0, 1200), 600, True, gas_list="21/35,50/0,100/0", max_cns_percent=35.0)
    plan("Rules, 40 m 20 min, 1 switch, max ppO2 0.4: more switches, counter-diffusion pass on all",
         cc_dive(40.0, 1200), 600, True, switch_count=1, max_ppo2=0.4, ignore_cns=True)
    plan("Rules, 40 m 20 min with 10 switches: the planner may reduce them to 9",
         cc_dive(40.0, 1200), 600, True, switch_count=10)
    plan("Rules, 40 m 20 min with 1 switch", cc_dive(40.0, 1200), 600, True, switch_count=1)
    plan("Rules, 40 m 20 min with 1 switch and a CNS limit of 1 %",
         cc_dive(40.0, 1200), 600, True, switch_count=1, max_cns_percent=1.0)
    plan("List 15/55,32/0,100/0, 70 m 20 min: the nitrox switch is a counter-diffusion risk",
         cc_dive(70.0, 1200), 600, True, gas_list="15/55,32/0,100/0")
    plan("List 15/55,32/0, 70 m 20 min: without the nitrox nothing reaches the surface",
         cc_dive(70.0, 1200), 600, True, gas_list="15/55,32/0")


if __name__ == "__main__":
    main()
