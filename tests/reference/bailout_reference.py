"""Independent reference model of bailout planning (Python 3, standard library only).

It plans an open-circuit bailout from a moment of a calculated dive by the written rules, on top
of the dive model of deco_reference.py, so that the C++ tests can assert complete bailout
schedules worked out without the C++ code.  Depths in metres, pressures in bar unless a name
says mbar.  Where the rules are ambiguous or describe a fault, the choice made is marked
"READING:".
"""

import math

from deco_reference import POINT_DECO, POINT_PLANNED, Dive, PlanPoint

SWITCH_SLOTS = 12
TOLERANCE = 0.001


def round_to_step(value, step):
    """Nearest multiple of step, halves up."""
    return step * math.floor(value / step + 0.5)


def round_down_to_step(value, step):
    """Multiple of step toward zero; floating-point noise below a multiple counts as it."""
    q = value / step
    q += 1e-9 if q >= 0 else -1e-9
    return step * math.trunc(q)


def definitely_less(a, b, tolerance):
    return b - a > tolerance * max(abs(a), abs(b))


class Switch:
    def __init__(self, depth=0.0, o2=0.0, he=0.0, used=False):
        self.depth, self.o2, self.he, self.used = depth, o2, he, used

    @property
    def n2(self):
        return 100.0 - self.o2 - self.he

    def __repr__(self):
        return "%.1f m %g/%g" % (self.depth, self.o2, self.he) if self.used else "-"


class BailoutFailed(Exception):
    """The bailout ends without a plan; the argument names the message shown."""


class Bailout:
    """The bailout settings and the planner's state for one dive."""

    def __init__(self, dive, switch_count=2, max_ppo2=1.6, max_ead=40.0, max_cns_percent=100.0,
                 ignore_icd=False, ignore_cns=False, gas_list=None, previous=None):
        self.dive = dive
        self.switch_count = switch_count
        self.max_ppo2 = max_ppo2
        self.max_ead = max_ead
        self.max_cns = max_cns_percent
        self.ignore_icd, self.ignore_cns = ignore_icd, ignore_cns
        self.gas_list = gas_list
        self.previous = previous            # the previous dive's final step, or None
        self.answers = []                   # answers to the questions, "yes" when none is left
        self.questions = []
        self.messages = []
        self.switches = [Switch() for _ in range(SWITCH_SLOTS)]
        self.surface_bar = dive.surface_mbar / 1000.0

    # -- the moment ------------------------------------------------------------------------
    def choose_moment(self, cursor_s, at_segment_end):
        d = self.dive
        last = d.steps[-1].time
        cursor = min(max(cursor_s, 1), last)
        t = cursor
        if at_segment_end:
            # The end of the last profile point that starts at or before the cursor.
            starting = [p for p in d.profile if p.start_s <= cursor]
            t = min(starting[-1].end_s, last)
        self.time = t
        st = d.steps[t]
        self.depth = st.depth_mbar / 100.0
        # READING: the ceiling is evaluated again with the dive's final decoLimit and the dive's
        # own gradient factors.
        d.bailout_mode = False
        d.calc_ceiling(t)
        self.ceiling = d.steps[t].ceiling_mbar / 100.0
        self.ead = st.ead_m
        self.remaining = -1

    # -- the bailout points ----------------------------------------------------------------
    def build_points(self):
        d = self.dive
        k = d.find_point_at_time(self.time)
        p = d.profile[k]
        source = p.source
        last = int(math.floor(source))
        spent = 0
        if p.type == POINT_PLANNED and self.remaining == -1:
            self.remaining = p.end_s - self.time
        elif p.type == POINT_DECO:
            spent = self.time - p.start_s
        points = [q.copy() for q in d.plan_plus[:last + 1]]
        at = d.plan_plus[last]
        remainder_at_depth = False
        if self.remaining > 0:
            if self.remaining > points[-1].duration_s:
                self.remaining = points[-1].duration_s
            points[-1].duration_s -= self.remaining
            if at.no_clear_surface:
                r = self.bailout_point(at)
                r.duration_s = self.remaining
                r.depth_mbar = self.depth * 100.0
                points.append(r)
                remainder_at_depth = True
        elif source != last:
            reached = at.copy()
            reached.duration_s = spent
            reached.depth_mbar = self.depth * 100.0
            reached.no_clear_surface = False
            reached.bailout = False
            points.append(reached)
        if not remainder_at_depth:
            b = self.bailout_point(at)
            b.duration_s = 0
            b.no_clear_surface = False
            b.depth_mbar = self.depth * 100.0
            points.append(b)
        for q in d.plan_plus[last + 1:]:
            if q.no_clear_surface:
                points.append(self.bailout_point(q))
        self.deepest = max(q.depth_m for q in points[last + 1:])
        self.initial_points = points
        self.points = [q.copy() for q in points]

    @staticmethod
    def bailout_point(p):
        b = p.copy()
        b.closed_circuit = False
        b.o2 = b.he = 0.0
        b.bailout = True
        return b

    def first_bailout_index(self):
        return next(i for i, q in enumerate(self.points) if q.bailout)

    # -- switches into points --------------------------------------------------------------
    def switch_in_force(self, depth):
        found = -1
        for k, s in enumerate(self.switches):
            if s.used and s.depth >= depth - TOLERANCE:
                found = k
        if found < 0:
            raise BailoutFailed("no switch at %.1f m" % depth)
        return found

    def assign_gases(self):
        for q in self.points[self.first_bailout_index():]:
            k = self.switch_in_force(q.depth_m)
            s = self.switches[k]
            q.closed_circuit, q.o2, q.he, q.switch = False, s.o2, s.he, k

    def add_switches(self):
        self.assign_gases()
        first = self.first_bailout_index()
        last_used = max(k for k, s in enumerate(self.switches) if s.used)
        out = self.points[:first]
        tail = self.points[first:]
        for i, q in enumerate(tail):
            out.append(q)
            a = q.switch
            b = tail[i + 1].switch if i + 1 < len(tail) else last_used
            step = 1 if b > a else -1
            k = a
            while k != b:
                k += step
                s = self.switches[k]
                if not s.used:
                    continue
                sp = q.copy()
                sp.duration_s = 0
                sp.closed_circuit = False
                sp.no_clear_surface = False
                sp.depth_mbar = s.depth * 100.0
                sp.o2, sp.he, sp.switch = s.o2, s.he, k
                out.append(sp)
        self.points = out

    def remove_switches(self):
        first = self.first_bailout_index()
        self.points = self.points[:first + 1] + [q for q in self.points[first + 1:] if q.no_clear_surface]

    def calculate(self):
        pts = [q.copy() for q in self.points]
        self.dive.calculate(self.previous, bailout_points=pts)
        if self.dive.stopped:
            raise BailoutFailed("calculation stopped")

    def final_cns(self):
        return self.dive.steps[-1].cns

    # -- rule-based method -----------------------------------------------------------------
    def ask(self, text):
        self.questions.append(text)
        return self.answers.pop(0) if self.answers else "yes"

    def ratio(self, pressure, n):
        pmax = self.surface_bar + self.deepest / 10.0
        return 1000.0 if n <= 0 else (pmax / pressure) ** (1.0 / n)

    def switch_depths(self):
        n = min(max(self.switch_count, 1), SWITCH_SLOTS)      # READING (fault fix): 1..12
        limits = [7, 10, 14, 17, 21, 25, 30, 35, 41, 48, 56]
        m = 1 + sum(1 for x in limits if self.deepest >= x)
        if m < n:
            if self.ask("Too many gases (%d) for bailout." % n) != "yes":
                raise BailoutFailed("declined")                 # READING (fault fix)
            n = m
        ps = self.surface_bar
        r = self.ratio(ps, n)
        if r > self.max_ppo2 / 0.2:
            if self.ask("Not enough gases (%d) for bailout." % n) != "yes":
                raise BailoutFailed("declined")
            while r > self.max_ppo2 / 0.2:
                n += 1
                if n > SWITCH_SLOTS:
                    raise BailoutFailed("more than 12")
                r = self.ratio(ps, n)
        self.switch_count = n
        r = min(r, self.ratio(ps + 0.6, n - 1))
        self.pressure_ratio = r
        pk = ps + self.deepest / 10.0
        self.switches = [Switch(self.deepest, used=self.deepest > 0)]
        for _ in range(1, SWITCH_SLOTS):
            pk = pk / r
            if definitely_less(pk, 1.0, TOLERANCE):
                pk = 1.0
            if definitely_less(pk, ps + 0.6, TOLERANCE):
                depth = 0.0
            else:
                depth = max(round_to_step((pk - ps) * 10.0, 3.0), 6.0)
            self.switches.append(Switch(depth, used=depth > 0))

    def best_gas(self, depth, previous_n2, first, target):
        ps = self.surface_bar
        pa = ps + depth / 10.0
        g = min(target, 1.8 if first else 1.6)
        ead_limit = self.max_ead
        if first:
            g = min(g, 1.6 * pa / (ps + self.ceiling / 10.0))
            if not self.ignore_icd:
                ead_limit = min(self.max_ead, depth - self.ceiling + self.ead)
        o2 = math.floor(min(100.0, g * 100.0 / pa))
        if first or self.ignore_icd:
            n2 = math.floor(min(100.0 - o2, 0.79 * (ps + ead_limit / 10.0) / pa * 100.0))
        else:
            n2 = math.floor(min(previous_n2, 100.0 - o2))
        return float(o2), float(100 - o2 - n2)

    def switch_gases(self, first_ppo2, ratio):
        target = first_ppo2
        previous_n2 = 0.0
        for k, s in enumerate(self.switches):
            if not s.used:
                continue
            used = target
            if k > 0:
                target = min(1.6, target) / ratio
                used = round_to_step(target, 0.05)
            s.o2, s.he = self.best_gas(s.depth, previous_n2, k == 0, used)
            previous_n2 = s.n2

    def switch_step(self, k):
        """The step at the start of the first bailout profile point at switch k's depth and gas."""
        s = self.switches[k]
        for p in self.dive.profile:
            if p.bailout and abs(p.depth_m - s.depth) <= TOLERANCE and (p.o2, p.he) == (s.o2, s.he):
                return self.dive.steps[p.start_s]
        return None

    def optimise_icd(self):
        n = sum(1 for s in self.switches if s.used)
        if n == 1:
            return "one switch"
        if any(q.no_clear_surface for q in self.points[self.first_bailout_index():]):
            return "no clear surface"
        ps = self.surface_bar
        for j in range(1, n):
            s = self.switches[j]
            if s.he == 0.0:
                return "helium 0 at switch %d" % j
            st = self.switch_step(j)
            if st is None:
                return "not located"
            margin = s.depth - st.ceiling_mbar / 100.0
            if margin < 2.0:
                return "margin %.3f at switch %d" % (margin, j)
            ead_limit = min(st.ead_m + margin, self.max_ead)
            n2 = math.floor(min(100.0 - s.o2, 0.79 * (ps + ead_limit / 10.0) / (ps + s.depth / 10.0) * 100.0))
            s.he = 100.0 - s.o2 - n2
            # READING: "its nitrogen" is the later switch's own nitrogen.
            for later in self.switches[j + 1:n]:
                if later.he == 0.0:
                    break
                room = 100.0 - later.o2
                later.he = room - min(math.floor(room), later.n2)
        return "all switches"

    def cns_check(self):
        limit = self.max_cns / 100.0
        if not self.final_cns() > limit:
            return
        n = sum(1 for s in self.switches if s.used)
        if n > 1:
            shallow = 1.55 if self.max_ppo2 > 1.55 else round(self.max_ppo2 / 0.05) * 0.05 - 0.05
            tried = []
            while shallow >= 0.5 - 1e-9:
                tried.append(round(shallow, 2))
                ratio = (min(1.6, self.max_ppo2) / shallow) ** (1.0 / (n - 1))
                self.points = [q.copy() for q in self.initial_points]
                self.switch_gases(self.max_ppo2, ratio)
                self.add_switches()
                self.calculate()
                tried[-1] = (tried[-1], round(self.final_cns() * 100, 4))
                if self.final_cns() < limit:
                    self.shallow_ppo2_tried = tried
                    return
                shallow -= 0.05
            self.shallow_ppo2_tried = tried
        self.messages.append(1294)
        raise BailoutFailed("CNS")

    def plan_by_rules(self):
        self.switch_depths()
        self.switch_gases(self.max_ppo2, 1.0)
        self.add_switches()
        self.calculate()
        self.gases_before_icd = [(s.depth, s.o2, s.he) for s in self.switches if s.used]
        if not self.ignore_icd:
            self.icd_stop = self.optimise_icd()
            self.assign_gases()
            self.calculate()
        if not self.ignore_cns:
            self.cns_check()

    # -- gas list method -------------------------------------------------------------------
    def candidate(self, o2, he, p):
        ps, e = self.surface_bar, self.max_ead
        n2 = 100.0 - o2 - he
        g = {"o2": o2, "he": he, "n2": n2}
        g["ppo2Lim"] = p * 100.0 / o2
        g["eadLim"] = 0.79 * (e / 10.0 + ps) * 100.0 / n2 if n2 > 0 else g["ppo2Lim"]
        g["maxPamb"] = min(g["ppo2Lim"], g["eadLim"])
        g["pEadZero"] = ps * 0.79 / (n2 / 100.0) if n2 > 0 else g["maxPamb"]
        g["minPamb"] = 20.0 / o2
        return g

    def read_list(self, p):
        gases = []
        for item in self.gas_list.split(","):
            parts = item.split("/")
            try:
                if len(parts) != 2:
                    raise ValueError
                o2, he = float(parts[0]), float(parts[1])
            except ValueError:
                continue                                    # unreadable: skipped
            if not (5 <= o2 and 0 <= he <= 99 and o2 + he <= 100):
                continue                                    # READING (fault fix): no such gas
            gases.append(self.candidate(o2, he, p))
        return gases

    def fail(self, message):
        self.messages.append(message)
        raise BailoutFailed(message)

    def output_set(self, base):
        ps = self.surface_bar
        pbail = ps + self.deepest / 10.0
        base.sort(key=lambda g: (-g["maxPamb"], g["he"]))
        out = [dict(base[0])]
        for i in range(1, len(base)):
            g, kept = base[i], out[-1]
            if g["he"] > kept["he"] or g["o2"] < kept["o2"]:
                if i + 1 < len(base):
                    bridges = not base[i + 1]["maxPamb"] > kept["minPamb"]
                else:
                    bridges = kept["minPamb"] >= ps
                if not bridges:
                    continue
            out.append(dict(g))
        for g in out[1:]:
            g["maxPamb"] = ps + round_down_to_step((g["maxPamb"] - ps) * 10.0, 3.0) / 10.0
        kept = []
        for g in out:
            if kept and g["maxPamb"] == kept[-1]["maxPamb"]:
                prev = kept[-1]
                if g["o2"] > prev["o2"] or (g["o2"] == prev["o2"] and g["n2"] > prev["n2"]):
                    kept[-1] = g
                continue
            if kept and g["maxPamb"] > kept[-1]["maxPamb"]:
                continue
            kept.append(g)
        out = kept
        if out[0]["maxPamb"] < pbail:
            self.fail(1291)
        if len(out) == 1 and out[0]["minPamb"] > ps:
            self.fail(1297)
        for i in range(len(out) - 1):
            if out[i + 1]["maxPamb"] < out[i]["minPamb"]:
                if out[i]["minPamb"] <= ps:
                    out = out[:i + 1]
                    break
                self.fail(1292)
        if out[-1]["minPamb"] > ps:
            self.fail(1290)
        if len(out) > SWITCH_SLOTS:
            self.fail(1298)                                 # READING (fault fix): refused
        return out

    def first_icd_gas(self):
        for st in self.dive.steps[self.dive.bailout_start + 1:]:
            if st.icd:
                return st.o2, st.he
        return None

    def plan_from_list(self):
        p = self.max_ppo2
        ps = self.surface_bar
        self.ppo2_tried = []
        while True:
            self.ppo2_tried.append(round(p, 2))
            gases = self.read_list(p)
            if not gases:
                self.fail(1295)
            gases.sort(key=lambda g: (-g["o2"], g["he"]))
            if gases[0]["o2"] < 20:
                self.fail(1290)
            pbail = ps + self.deepest / 10.0
            reach = next((i for i, g in enumerate(gases) if g["maxPamb"] > pbail), None)
            if reach is None:
                self.fail(1291)
            base = gases[:reach + 1]
            passes = 0
            while True:
                out = self.output_set(base)
                self.switches = [Switch() for _ in range(SWITCH_SLOTS)]
                for k, g in enumerate(out):
                    depth = self.deepest if k == 0 else round((g["maxPamb"] - ps) * 10.0, 3)
                    self.switches[k] = Switch(depth, g["o2"], g["he"], True)
                self.remove_switches()
                self.add_switches()
                self.calculate()
                if self.ignore_icd:
                    break
                risk = self.first_icd_gas()
                if risk is None:
                    break
                # READING (fault fix): a pass that changes nothing, or one more pass than the
                # list has gases, ends the checks.
                match = [g for g in base if (g["o2"], g["he"]) == risk]
                if passes >= len(gases) or not match or match[0]["maxPamb"] == match[0]["pEadZero"]:
                    break
                g = match[0]
                g["maxPamb"] = g["pEadZero"]
                if g["maxPamb"] <= g["minPamb"] or g["pEadZero"] < ps:
                    base.remove(g)
                passes += 1
                self.icd_passes = getattr(self, "icd_passes", []) + ["%g/%g" % risk]
            if self.ignore_cns:
                return
            if self.final_cns() < self.max_cns / 100.0:
                self.max_ppo2 = p
                return
            if p <= 0.5 + 1e-9:
                self.messages.append(1293)
                return
            p = 1.5 if p > 1.5 else (round(p * 10) - 1) / 10.0

    # -- driver ------------------------------------------------------------------------------
    def plan(self):
        self.build_points()
        if self.gas_list is not None:
            self.plan_from_list()
        else:
            self.plan_by_rules()


def used_switches(bailout):
    return [(s.depth, s.o2, s.he) for s in bailout.switches if s.used]


__all__ = ["Bailout", "BailoutFailed", "Dive", "PlanPoint", "used_switches"]
