"""Independent reference model of the dive calculation (Python 3, standard library only).

It exists so that the C++ engine's tests can assert complete schedules that were worked
out without the C++ code.  It follows the written rules of the planner step by step and
keeps the same units as the engine:

* depths of points and steps are gauge pressures in millibar (metres x 100, 10 m per bar);
* ambient pressure = gauge depth + the model surface pressure (the dive's surface pressure
  less the deco surface offset, 30 mbar by default);
* one profile step per second, step k at time k;
* gas fractions in percent, CNS as a fraction (1.0 = 100 %).

Where the rules are ambiguous or describe a fault, the choice made is marked "READING:".
"""

import math

WATER_VAPOUR_MBAR = 56.7
DECO_LIMIT_START_MBAR = 1600.0
DEFAULT_DECO_SURFACE_OFFSET_MBAR = 30.0

# ---------------------------------------------------------------------------------------
# Coefficients: per compartment N2 half-time (min), He half-time (min), N2 a (mbar) for
# ZH-L16A, N2 a (mbar) for ZH-L16C, N2 b, He a (mbar), He b.
# ---------------------------------------------------------------------------------------
_COEFFICIENTS = [
    (4.0, 1.51, 1259.9, 1259.9, 0.505, 1742.4, 0.4245),
    (8.0, 3.02, 1000.0, 1000.0, 0.6514, 1383.0, 0.5747),
    (12.5, 4.72, 861.8, 861.8, 0.7222, 1191.9, 0.6527),
    (18.5, 6.99, 756.2, 756.2, 0.7725, 1045.8, 0.7223),
    (27.0, 10.21, 666.7, 620.0, 0.8126, 922.0, 0.7582),
    (38.3, 14.48, 593.3, 504.3, 0.8434, 820.5, 0.7957),
    (54.3, 20.53, 528.2, 441.0, 0.8693, 730.5, 0.8279),
    (77.0, 29.11, 470.1, 400.0, 0.891, 650.2, 0.8553),
    (109.0, 41.2, 418.7, 375.0, 0.9092, 595.0, 0.8757),
    (146.0, 55.19, 379.8, 350.0, 0.9222, 554.5, 0.8903),
    (187.0, 70.69, 349.7, 329.5, 0.9319, 533.3, 0.8997),
    (239.0, 90.34, 322.3, 306.5, 0.9403, 518.9, 0.9073),
    (305.0, 115.29, 297.1, 283.5, 0.9477, 518.1, 0.9122),
    (390.0, 147.42, 273.7, 261.0, 0.9544, 517.6, 0.9171),
    (498.0, 188.24, 252.3, 248.0, 0.9602, 517.2, 0.9217),
    (635.0, 240.03, 232.7, 232.7, 0.9653, 511.9, 0.9267),
]

# Single-exposure oxygen limits: ppO2 (bar) -> minutes.
CNS_TABLE_PPO2 = [0.6, 0.7, 0.8, 0.9, 1.0, 1.1, 1.2, 1.3, 1.4, 1.5, 1.6, 1.7, 1.8, 1.9]
CNS_TABLE_MINUTES = [720.0, 570.0, 450.0, 360.0, 300.0, 240.0, 210.0, 180.0, 150.0, 120.0,
                     45.0, 10.0, 2.0, 0.645161]

# Point types and printed segment types.
POINT_NONE, POINT_DESCENT, POINT_PLANNED, POINT_ASCENT, POINT_DECO_ASCENT, POINT_DECO = range(6)
POINT_TYPE_NAMES = ["None", "Descent", "Planned", "Ascent", "Deco Ascent", "Deco"]
SEGMENT_PRINTED, SEGMENT_BOTTOM_DEPTH, SEGMENT_FIRST_ASCENT, SEGMENT_ASCENT_TO_SURFACE = 0, 2, 4, 5

SIX_HOURS_S = 21600
DAY_S = 86400


class Coefficients:
    """The sixteen compartments of one variant: 0 ZH-L16A, 1 ZH-L16C (default), 2 custom (= C)."""

    def __init__(self, variant=1):
        self.ht_n2 = [row[0] for row in _COEFFICIENTS]
        self.ht_he = [row[1] for row in _COEFFICIENTS]
        self.a_n2 = [row[2] if variant == 0 else row[3] for row in _COEFFICIENTS]
        self.b_n2 = [row[4] for row in _COEFFICIENTS]
        self.a_he = [row[5] for row in _COEFFICIENTS]
        self.b_he = [row[6] for row in _COEFFICIENTS]
        # Rate factors for a one-second step and a one-minute step.
        self.ks_n2 = [1.0 - 2.0 ** (-1.0 / (ht * 60.0)) for ht in self.ht_n2]
        self.ks_he = [1.0 - 2.0 ** (-1.0 / (ht * 60.0)) for ht in self.ht_he]
        self.km_n2 = [1.0 - 2.0 ** (-1.0 / ht) for ht in self.ht_n2]
        self.km_he = [1.0 - 2.0 ** (-1.0 / ht) for ht in self.ht_he]


# ---------------------------------------------------------------------------------------
# Records
# ---------------------------------------------------------------------------------------
class PlanPoint:
    """One point or leg of a dive: what the user entered or what the calculation inserted."""

    def __init__(self, depth_m=0.0, duration_s=0, o2=21.0, he=0.0, closed_circuit=False,
                 setpoint_bar=0.7):
        self.depth_mbar = depth_m * 100.0      # gauge pressure
        self.duration_s = duration_s
        self.start_s = 0
        self.o2 = o2
        self.he = he
        self.closed_circuit = closed_circuit
        self.setpoint_bar = setpoint_bar
        self.type = POINT_NONE
        self.source = -1.0
        self.no_clear_surface = False
        self.bailout = False        # breathed on open circuit after the rebreather failed

    def copy(self):
        other = PlanPoint()
        other.__dict__.update(self.__dict__)
        return other

    @property
    def depth_m(self):
        return max(self.depth_mbar / 100.0, 0.0)

    @property
    def end_s(self):
        # End time = start + duration - 1, or start for a point without duration.
        return self.start_s + self.duration_s - 1 if self.duration_s > 0 else self.start_s

    def same_gas(self, other):
        if (self.o2, self.he, self.closed_circuit) != (other.o2, other.he, other.closed_circuit):
            return False
        return not self.closed_circuit or self.setpoint_bar == other.setpoint_bar

    def gas_name(self):
        o2, he = int(self.o2), int(self.he)
        if he != 0:
            name = "%d/%d" % (o2, he)
        elif self.o2 == 100.0:
            name = "Oxygen"
        elif self.o2 == 21.0:
            name = "Air"
        else:
            name = "%d%% Nitrox" % o2
        if self.closed_circuit:
            return "CC %s SP %.2f" % (name, self.setpoint_bar)
        return name


class Step:
    """The diver's state at one second of the profile."""

    __slots__ = ("time", "depth_mbar", "o2", "he", "closed_circuit", "setpoint_bar", "ppo2",
                 "cns", "otu", "ead_m", "insp_n2", "insp_he", "n2", "he_t", "ceiling_mbar",
                 "max_ceiling_mbar", "pigt", "max_pigt", "gf", "icd")

    def __init__(self, time):
        self.time = time
        self.depth_mbar = 0.0
        self.o2, self.he, self.closed_circuit, self.setpoint_bar = 21.0, 0.0, False, 0.0
        self.ppo2 = self.cns = self.otu = self.ead_m = 0.0
        self.insp_n2 = self.insp_he = 0.0
        self.n2 = [0.0] * 16
        self.he_t = [0.0] * 16
        self.ceiling_mbar = self.max_ceiling_mbar = 0.0    # gauge
        self.pigt = self.max_pigt = self.gf = 0.0
        self.icd = False                                   # counter-diffusion risk


class Segment:
    def __init__(self, depth_m, duration_s, seg_type, run_time_s, point):
        self.depth_m = depth_m
        self.duration_s = duration_s
        self.type = seg_type
        self.run_time_s = run_time_s
        self.gas = point.gas_name()

    def type_name(self):
        return {0: "", 1: "Travel", 2: "BottomDepth", 3: "Ascent", 4: "First Ascent",
                5: "", 6: "Deco Stop", 7: "Gas Switch"}.get(self.type, "")


class GasSwitchRow:
    """One row of a gas-switch schedule (travel or deco list)."""

    def __init__(self, depth_m, o2, he, closed_circuit=False, setpoint_bar=0.0, gas_set=True):
        self.depth_m, self.o2, self.he = depth_m, o2, he
        self.closed_circuit, self.setpoint_bar, self.gas_set = closed_circuit, setpoint_bar, gas_set


# ---------------------------------------------------------------------------------------
# Free functions of the gas and oxygen model
# ---------------------------------------------------------------------------------------
def cns_limit_minutes(ppo2):
    """Single-exposure limit, linear between the neighbouring table entries."""
    if ppo2 <= CNS_TABLE_PPO2[0]:
        return CNS_TABLE_MINUTES[0]
    if ppo2 >= CNS_TABLE_PPO2[-1]:
        return CNS_TABLE_MINUTES[-1]
    above = next(i for i, p in enumerate(CNS_TABLE_PPO2) if p > ppo2)
    below = above - 1
    p_below, p_above = CNS_TABLE_PPO2[below], CNS_TABLE_PPO2[above]
    l_below, l_above = CNS_TABLE_MINUTES[below], CNS_TABLE_MINUTES[above]
    return l_below - (ppo2 - p_below) / (p_above - p_below) * (l_below - l_above)


def cns_increment(ppo2, dt_s):
    """No oxygen toxicity below 0.5 bar; otherwise dt over the limit in seconds."""
    if ppo2 < 0.5:
        return 0.0
    return dt_s / (cns_limit_minutes(ppo2) * 60.0)


def otu_increment(ppo2, dt_s):
    """OTU = (0.5 / (ppO2 - 0.5))^(-5/6) per minute, nothing below 0.5 bar."""
    if ppo2 < 0.5:
        return 0.0
    return (0.5 / (ppo2 - 0.5)) ** (-5.0 / 6.0) * dt_s / 60.0


def calc_ead(o2, he, depth_m, surface_bar, ppo2, closed_circuit):
    """Equivalent air depth (m), never below 0.

    Open circuit takes 1 bar at the surface; closed circuit takes the model surface and
    subtracts the set-point.  READING: with no inert gas in the diluent (N2 + He = 0) the
    inert share is 0 instead of 0/0.
    """
    n2 = 100.0 - o2 - he
    if closed_circuit:
        inert = n2 + he
        pn2 = 0.0 if inert <= 0.0 else n2 / inert * (depth_m / 10.0 + surface_bar - ppo2)
    else:
        pn2 = (depth_m / 10.0 + 1.0) * n2 / 100.0
    return max((pn2 / 0.79 - 1.0) * 10.0, 0.0)


# ---------------------------------------------------------------------------------------
# The dive
# ---------------------------------------------------------------------------------------
class Dive:
    def __init__(self, surface_mbar=1000.0, deco_surface_offset_mbar=DEFAULT_DECO_SURFACE_OFFSET_MBAR,
                 gf_low=20.0, gf_high=80.0, descent_rate=20.0, ascent_rate=10.0,
                 last_stop_m=6.0, algorithm=1, surface_interval_s=0, first_ascent_option=0,
                 bailout_gf_low=100.0, bailout_gf_high=100.0, bailout_descent_rate=20.0,
                 bailout_ascent_rate=10.0):
        self.surface_mbar = surface_mbar
        self.model_surface_mbar = surface_mbar - deco_surface_offset_mbar
        self.gf_low, self.gf_high = gf_low, gf_high
        self.descent_rate, self.ascent_rate = descent_rate, ascent_rate
        self.last_stop_m = last_stop_m
        self.coef = Coefficients(algorithm)
        self.surface_interval_s = surface_interval_s
        self.first_ascent_option = first_ascent_option
        self.bailout_gf_low, self.bailout_gf_high = bailout_gf_low, bailout_gf_high
        self.bailout_descent_rate, self.bailout_ascent_rate = bailout_descent_rate, bailout_ascent_rate
        # Bailout mode: the calculation walks the given bailout points instead of the plan plus
        # points; from the first bailout point on the bailout rates and gradient factors apply.
        self.bailout_mode = False
        self.bailout_start = 999999
        self.rates = (descent_rate, ascent_rate)
        self.icd_latch = False
        self.user_points = []
        self.travel_rows = None     # gas-switch schedule, used when both lists are given
        self.deco_rows = None
        self.plan_plus = []
        self.profile = []
        self.steps = []
        self.segments = []
        self.deco_limit = DECO_LIMIT_START_MBAR
        self.max_pigt = 0.0
        self.stopped = False
        self.events = []            # notes on rare branches taken (leg shortened ...)
        # Smallest distance (m) between a ceiling read by the stop choice and a depth it is
        # compared with: a large margin means rounding differences cannot change a stop.
        self.min_stop_margin_m = math.inf

    # -- small helpers ---------------------------------------------------------------
    def travel_time(self, from_m, to_m):
        """Whole seconds of travel, truncated; the descent rate when going deeper."""
        rate = self.rates[0] if to_m > from_m else self.rates[1]
        return int(abs(to_m - from_m) / (rate / 60.0))

    @staticmethod
    def next_whole_minute(t):
        return t // 60 * 60 + 60

    def find_point_at_time(self, t):
        """First profile point, in list order, whose start <= t <= end."""
        for k, p in enumerate(self.profile):
            if p.start_s <= t <= p.end_s:
                return k
        return -1

    def depth_at_time(self, k, t):
        """Linear from the previous point's depth at the start to this point's depth at its end."""
        if k == 0:
            return 0.0
        p, prev = self.profile[k], self.profile[k - 1]
        if t < p.start_s or t > p.end_s:
            return 0.0
        if p.end_s == p.start_s:
            return prev.depth_mbar
        return prev.depth_mbar + (p.depth_mbar - prev.depth_mbar) * (t - p.start_s) / (p.end_s - p.start_s)

    def inspired(self, p, depth_mbar):
        """Inspired N2 and He (mbar) at a depth on the point's gas, never negative."""
        s = self.model_surface_mbar
        n2_pct = 100.0 - p.o2 - p.he
        if p.closed_circuit:
            dry = s + depth_mbar - WATER_VAPOUR_MBAR - p.setpoint_bar * 1000.0
            pn = (n2_pct / (n2_pct + p.he)) * dry if n2_pct != 0.0 else 0.0
            ph = (p.he / (100.0 - p.o2)) * dry if p.he != 0.0 else 0.0
        else:
            dry = s + depth_mbar - WATER_VAPOUR_MBAR
            pn = (n2_pct / 100.0) * dry if n2_pct != 0.0 else 0.0
            ph = (p.he / 100.0) * dry if p.he != 0.0 else 0.0
        return max(pn, 0.0), max(ph, 0.0)

    # -- plan plus construction -------------------------------------------------------
    def construct_plan_plus(self):
        """The working list: from the gas-switch schedule, or the user's points preceded by a
        zero-depth copy of the first point when that point is not at the surface."""
        self.plan_plus = []
        if self.travel_rows is not None and self.deco_rows is not None:
            bottom = self.user_points[0]
            b = bottom.depth_m
            remembered = None
            for row in self.travel_rows:
                if not row.gas_set:
                    continue
                if row.depth_m < b:
                    self.plan_plus.append(PlanPoint(row.depth_m, 0, row.o2, row.he, row.closed_circuit,
                                                    row.setpoint_bar))
                    remembered = row
                elif row.depth_m == b:
                    remembered = row
            copy = bottom.copy()
            if remembered is not None:
                copy.o2, copy.he = remembered.o2, remembered.he
                copy.closed_circuit, copy.setpoint_bar = remembered.closed_circuit, remembered.setpoint_bar
            self.plan_plus.append(copy)
            for row in reversed(self.deco_rows):
                if row.gas_set and row.depth_m < b:
                    self.plan_plus.append(PlanPoint(row.depth_m, 0, row.o2, row.he, row.closed_circuit,
                                                    row.setpoint_bar))
            return
        first = self.user_points[0]
        if first.depth_mbar != 0.0:
            zero = first.copy()
            zero.depth_mbar = 0.0
            zero.duration_s = 0
            self.plan_plus.append(zero)
        self.plan_plus.extend(p.copy() for p in self.user_points)

    # -- start of the dive ---------------------------------------------------------------
    def surface_inspired_n2(self):
        return (self.model_surface_mbar - WATER_VAPOUR_MBAR) * 0.79

    def start_dive(self, previous=None):
        """Step 0: surface saturation, or the previous dive's final state off-gassed over the
        surface interval with the Buhlmann equation (one exponential over the interval)."""
        self.steps = [Step(0)]
        s0 = self.steps[0]
        insp_n2 = self.surface_inspired_n2()
        s0.insp_n2, s0.insp_he = insp_n2, 0.0
        # READING: step 0 after an interval breathes air on open circuit, EAD 0.
        s0.o2, s0.he, s0.closed_circuit = 21.0, 0.0, False
        if previous is None:
            s0.n2 = [insp_n2] * 16
            s0.he_t = [0.0] * 16
        else:
            interval = max(self.surface_interval_s, 0)
            for c in range(16):
                kn = 1.0 - 2.0 ** (-interval / (self.coef.ht_n2[c] * 60.0))
                kh = 1.0 - 2.0 ** (-interval / (self.coef.ht_he[c] * 60.0))
                s0.n2[c] = previous.n2[c] + (insp_n2 - previous.n2[c]) * kn
                s0.he_t[c] = previous.he_t[c] + (0.0 - previous.he_t[c]) * kh
            s0.cns = max(previous.cns * 2.0 ** (-interval / 5400.0), 0.0)
            s0.otu = max(previous.otu - interval / 86400.0 * 300.0, 0.0)
        self.deco_limit = DECO_LIMIT_START_MBAR
        self.max_pigt = 0.0
        self.icd_latch = False
        self.calc_ceiling(0)

    # -- one-second step --------------------------------------------------------------
    def calc_tissue_step(self, i, t, dt=1):
        k = self.find_point_at_time(t)
        if k < 0:
            raise RuntimeError("no profile point covers t=%d" % t)
        p = self.profile[k]
        prev = self.steps[i - 1]
        st = self.steps[i]
        depth = self.depth_at_time(k, t)
        st.setpoint_bar, st.closed_circuit, st.o2, st.he = p.setpoint_bar, p.closed_circuit, p.o2, p.he
        st.depth_mbar = depth
        s = self.model_surface_mbar
        st.ppo2 = p.setpoint_bar if p.closed_circuit else (depth + s) / 1000.0 * p.o2 / 100.0
        st.cns = prev.cns + cns_increment(st.ppo2, dt)
        st.otu = prev.otu + otu_increment(st.ppo2, dt)
        st.ead_m = calc_ead(p.o2, p.he, depth / 100.0, s / 1000.0, st.ppo2, p.closed_circuit)
        pn, ph = self.inspired(p, depth)
        st.insp_n2, st.insp_he = pn, ph
        c = self.coef
        if dt == 1:
            kn_list, kh_list = c.ks_n2, c.ks_he
        elif dt == 60:
            kn_list, kh_list = c.km_n2, c.km_he
        else:
            kn_list = [1.0 - 2.0 ** (-dt / (ht * 60.0)) for ht in c.ht_n2]
            kh_list = [1.0 - 2.0 ** (-dt / (ht * 60.0)) for ht in c.ht_he]
        # Haldane with the inspired pressure of this step's own depth over the whole second.
        st.n2 = [prev.n2[j] + (pn - prev.n2[j]) * kn_list[j] for j in range(16)]
        st.he_t = [prev.he_t[j] + (ph - prev.he_t[j]) * kh_list[j] for j in range(16)]

    def gradient_factor(self, prev_ceiling_abs, ambient, bailout=False):
        """GF as a fraction.  GF high without a ceiling yet, at GF low = GF high, and (READING,
        fault fix) at any ambient pressure at or shallower than the last stop; deeper than
        that: GF low deeper than decoLimit, linear from GF low at decoLimit to GF high at
        the last stop in between."""
        lo, hi = self.gf_low, self.gf_high
        if bailout:
            lo, hi = max(lo, self.bailout_gf_low), max(hi, self.bailout_gf_high)
        floor = self.model_surface_mbar
        last = self.last_stop_m * 100.0 + self.model_surface_mbar
        if hi == lo or prev_ceiling_abs < floor:
            gf = hi
        elif ambient <= last:
            gf = hi
        elif ambient > self.deco_limit:
            gf = lo
        else:
            gf = lo + (hi - lo) / (self.deco_limit - last) * (self.deco_limit - ambient)
        return gf / 100.0

    def calc_ceiling(self, i):
        st = self.steps[i]
        s = self.model_surface_mbar
        if i == 0:
            prev_ceiling_abs, prev_max = 0.0, 0.0
        else:
            prev_ceiling_abs = self.steps[i - 1].ceiling_mbar + s
            prev_max = self.steps[i - 1].max_ceiling_mbar
        bailout = self.bailout_mode and i >= self.bailout_start
        gf = self.gradient_factor(prev_ceiling_abs, st.depth_mbar + s, bailout)
        c = self.coef
        ceiling = 0.0
        pigt = 0.0
        for j in range(16):
            n2, he = st.n2[j], st.he_t[j]
            p = n2 + he
            if p <= 0.0:
                continue            # READING: a compartment without inert gas has no ceiling
            a = (c.a_n2[j] * n2 + c.a_he[j] * he) / p
            b = (c.b_n2[j] * n2 + c.b_he[j] * he) / p
            cj = (p - gf * a) / (gf / b - gf + 1.0)
            ceiling = max(ceiling, cj)
            pigt = max(pigt, p)
        if ceiling > self.deco_limit:
            self.deco_limit = ceiling
        elif self.bailout_mode and i == self.bailout_start and prev_ceiling_abs >= prev_max + s:
            self.deco_limit = ceiling
            self.events.append("decoLimit replaced at the bailout start step")
        self.max_pigt = max(self.max_pigt, pigt)
        st.ceiling_mbar = ceiling - s
        # READING (fault fix): the maximum ceiling is the deepest ceiling met so far, never
        # below 0 -- not decoLimit less the surface.
        st.max_ceiling_mbar = max(prev_max, st.ceiling_mbar, 0.0)
        st.pigt, st.max_pigt, st.gf = pigt, self.max_pigt, gf

    def calc_steps(self):
        """Steps from the last step's time + 1 to the end of the last profile point."""
        first = self.steps[-1].time + 1
        last = self.profile[-1].end_s
        for t in range(first, last + 1):
            self.steps.append(Step(t))
            i = len(self.steps) - 1
            self.calc_tissue_step(i, t, 1)
            self.calc_ceiling(i)
            self.check_counter_diffusion(i)

    def check_counter_diffusion(self, i):
        """At a gas change the risk is flagged (and latched until the next change) when the EAD
        rises by more than the margin between depth and ceiling."""
        st, prev = self.steps[i], self.steps[i - 1]
        same = (st.o2, st.he, st.closed_circuit) == (prev.o2, prev.he, prev.closed_circuit) and (
            not st.closed_circuit or st.setpoint_bar == prev.setpoint_bar)
        if not same:
            margin = max((st.depth_mbar - st.ceiling_mbar) / 100.0, 0.0)
            self.icd_latch = st.ead_m - prev.ead_m > margin
        st.icd = self.icd_latch

    def delete_steps_after(self, k):
        del self.steps[k + 1:]

    # -- stops ------------------------------------------------------------------------
    def next_stop(self, t, target_m):
        """Stop depth (m) needed at time t on the way to target_m, or -1.
        Uses the ceiling of step t-1; stops at the last stop, then 6, 9, 12 ... m."""
        if t <= 0 or t - 1 >= len(self.steps):
            return -1.0
        last = self.last_stop_m
        ceiling = self.steps[t - 1].ceiling_mbar / 100.0
        floor = 0.0
        first_regular = floor + 6.0
        self._record_margin(ceiling, target_m, last, first_regular)
        if ceiling < floor:
            return -1.0
        if ceiling < target_m and target_m >= last:
            return -1.0
        if ceiling < last:
            return last
        stop = last
        while stop < ceiling:
            stop = first_regular if first_regular > stop else stop + 3.0
        return stop

    def _record_margin(self, ceiling, target_m, last, first_regular):
        near_grid = first_regular + 3.0 * max(round((ceiling - first_regular) / 3.0), 0)
        for depth in (0.0, target_m, last, near_grid, near_grid + 3.0):
            self.min_stop_margin_m = min(self.min_stop_margin_m, abs(ceiling - depth))

    def all_steps_finite(self):
        for st in self.steps:
            values = [st.depth_mbar, st.ppo2, st.cns, st.otu, st.ead_m, st.ceiling_mbar,
                      st.max_ceiling_mbar, st.gf, st.pigt] + st.n2 + st.he_t
            if not all(math.isfinite(x) for x in values):
                return False
        return True

    # -- the calculation --------------------------------------------------------------
    def add_leg(self, leg):
        self.profile.append(leg)
        self.calc_steps()

    def check_limits(self, m):
        # READING: the six-hour question is answered yes; the day limit stops the dive.
        if m > DAY_S:
            self.stopped = True

    def calculate(self, previous_final_step=None, bailout_points=None):
        """The dive from its plan plus points, or in bailout mode from the bailout points."""
        self.bailout_mode = bailout_points is not None
        if not self.bailout_mode:
            self.construct_plan_plus()
        self.profile = []
        self.stopped = False
        self.events = []
        self.rates = (self.descent_rate, self.ascent_rate)
        self.start_dive(previous_final_step)
        work = bailout_points if self.bailout_mode else self.plan_plus
        self.bailout_start = 999999
        if not work:
            return
        p0 = work[0].copy()
        p0.source = 0.0
        p0.start_s = 0
        self.profile.append(p0)
        m = 1
        v = p0.depth_m
        travel_total = 0
        n = len(work)

        def planned_leg(point, j, m, duration_s):
            """Adds the planned leg of working point j from run time m; returns the run time after it."""
            leg = point.copy()
            leg.start_s = m
            leg.duration_s = duration_s
            leg.type = POINT_PLANNED
            leg.source = float(j)
            self.add_leg(leg)
            m += leg.duration_s
            self.check_limits(m)
            return m

        for j in range(1, n + 1):
            if self.stopped:
                break
            final = j == n
            if final:
                target, q = 0.0, 0
                point = None
            else:
                point = work[j]
                target, q = point.depth_m, max(point.duration_s, 0)
                if self.bailout_mode and point.bailout and self.bailout_start == 999999:
                    self.rates = (self.bailout_descent_rate, self.bailout_ascent_rate)
                    self.bailout_start = m - 1
            if target > v:
                # Descent leg on the previous working point's gas.
                leg = work[j - 1].copy()
                leg.depth_mbar = target * 100.0
                leg.start_s = m
                leg.duration_s = self.travel_time(v, target)
                leg.type = POINT_DESCENT
                leg.source = self.profile[-1].source + 0.01
                self.add_leg(leg)
                m += leg.duration_s
                travel_total += leg.duration_s
                v = target
                self.check_limits(m)
                if q > 0:
                    m = planned_leg(point, j, m, max(q - travel_total, 0))
                    travel_total = 0
            elif target == v:
                if final:
                    break           # the dive already ends at the surface
                # READING: a level leg keeps its full duration (earlier travel not subtracted).
                m = planned_leg(point, j, m, q)
            else:
                m, v = self.ascent_loop(target, m, v)
                if not final and not self.stopped:
                    m = planned_leg(point, j, m, q)
        self.segment_profile()

    def ascent_loop(self, target, m, v):
        """Ascend from v to target, inserting deco ascent legs and stops."""
        while target < v and not self.stopped:
            s = self.next_stop(m, target)
            if s == -1.0 or s < target:
                x = target
            else:
                x = min(s, v)
            if x != v:
                leg = self.profile[-1].copy()
                leg.start_s = m
                leg.depth_mbar = x * 100.0
                leg.duration_s = self.travel_time(v, x)
                leg.type = POINT_DECO_ASCENT
                leg.source = self.profile[-1].source + 0.01
                self.add_leg(leg)
                s_end = self.next_stop(m + leg.duration_s, target)
                if s_end > x:
                    # The ceiling deepened on the way: stop deeper, shorten the leg, drop the
                    # steps after its new end (the kept steps are not recomputed).
                    self.events.append("leg from %.1f to %.1f shortened to %.1f at t=%d"
                                       % (v, x, s_end, m))
                    x = s_end
                    leg.depth_mbar = x * 100.0
                    leg.duration_s = self.travel_time(v, x)
                    self.delete_steps_after(leg.end_s)
                while x != target:
                    v = x
                    s = self.next_stop(m + leg.duration_s, target)
                    if s == -1.0:
                        x = target
                    elif s <= v:
                        x = s
                    else:
                        x = v
                    if x == v:
                        break
                    leg.depth_mbar = x * 100.0
                    leg.duration_s += self.travel_time(v, x)
                    self.calc_steps()
                m += leg.duration_s
                # READING (fault fix): the current depth follows every ascent leg.
                v = x
                self.check_limits(m)
            s = self.next_stop(m, target)
            if s != -1.0 and s >= x:
                stop = self.profile[-1].copy()
                stop.start_s = m
                stop.depth_mbar = x * 100.0
                stop.duration_s = self.next_whole_minute(m) - m
                stop.type = POINT_DECO
                stop.source = self.profile[-1].source + 0.01
                self.add_leg(stop)
                while not self.stopped:
                    s = self.next_stop(m + stop.duration_s, target)
                    if s == -1.0 or s < x:
                        break
                    stop.duration_s += 60
                    self.calc_steps()
                    # READING (fault fix): the day limit is also checked inside a stop.
                    self.check_limits(m + stop.duration_s)
                m += stop.duration_s
                v = x
                self.check_limits(m)
        return m, v

    # -- printed segments -------------------------------------------------------------
    def segment_profile(self):
        """Cut the profile points into printed rows (first ascent option 0 by default)."""
        self.segments = []
        pts = self.profile
        if not pts:
            return
        max_depth = max(p.depth_m for p in pts)
        ds = pts[0].depth_m
        acc = pts[0].duration_s
        first_ascent_seen = False
        first_ascent_pending = False
        last_emitted = False
        i = 1
        n = len(pts)

        def direction(a, b):
            return 1 if a > b else (2 if a == b else 3)

        while i < n:
            p = pts[i]
            d, t = p.depth_m, p.duration_s
            acc += t
            run_time = p.end_s
            dir_now = direction(d, ds)
            is_last = i == n - 1
            if not is_last:
                nxt = pts[i + 1]
                dn = nxt.depth_m
                dir_next = direction(dn, d)
                gas_changes = not p.same_gas(nxt)
            else:
                nxt, dn, dir_next, gas_changes = None, None, None, False
            emit = False
            merged = False
            if t == 0:
                emit = dir_now == 2 and dir_next == 3
            elif dir_now == 2:
                if dir_next == 3 and not first_ascent_seen:
                    emit = True
                elif dir_next == 3 or dir_next == 1:
                    emit = True
                    if not gas_changes:
                        acc += nxt.duration_s
                        run_time = nxt.end_s
                        merged = True
                elif dir_next == 2:
                    emit = last_emitted
                else:
                    emit = True     # level last point: nothing follows
            elif dir_now == 3 and not first_ascent_seen:
                first_ascent_seen = True
                if self.first_ascent_option != 0:
                    first_ascent_pending = True
                    emit = True
                elif is_last:
                    # READING (fault fix): an ascent with nothing to fold into is printed as
                    # the ascent to the surface instead of vanishing.
                    first_ascent_pending = True
                    emit = True
                elif not gas_changes:
                    ds = d
                    emit = False
                else:
                    emit = True
            else:
                emit = True
            if not emit:
                last_emitted = False
                i += 1
                continue
            if first_ascent_pending:
                seg_type = SEGMENT_ASCENT_TO_SURFACE if is_last else SEGMENT_FIRST_ASCENT
                first_ascent_pending = False
            elif d == max_depth and dn != d:
                seg_type = SEGMENT_BOTTOM_DEPTH
            else:
                seg_type = SEGMENT_PRINTED
            self.segments.append(Segment(ds, acc, seg_type, run_time, p))
            ds = dn if merged else d
            acc = 0
            last_emitted = True
            i += 2 if merged else 1

    # -- results ----------------------------------------------------------------------
    def stops(self):
        """(depth m, duration s, gas) of every deco stop point, in order."""
        return [(p.depth_m, p.duration_s, p.gas_name()) for p in self.profile if p.type == POINT_DECO]

    def final_step(self):
        return self.steps[-1]

    def surfacing_time(self):
        """End time of the last leg (the time of the last step)."""
        return self.profile[-1].end_s


def saturated_surface_n2(model_surface_mbar):
    return (model_surface_mbar - WATER_VAPOUR_MBAR) * 0.79
