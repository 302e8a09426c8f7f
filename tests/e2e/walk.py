#!/usr/bin/env python3
"""Walks hari's two roads from outside, as a screen-reader user does, through AT-SPI.

Usage: walk.py HARI SCRATCH. Runs inside an X server and a session bus of its own (run.sh).
Every control is found by its role and accessible name, as a screen reader announces it; the
results are read back through the Text interface and checked against values worked out by hand
below. Three walks, each with a fresh program:

  beam     the beam road by AT-SPI actions and texts, back to the start with 最初から, 閉じる;
  section  the section road to the section calculator, ended with おわり;
  keyboard the beam road by keys alone (xdotool), ended with おわり.

On failure it names the step, prints the accessible tree of the windows on screen and leaves a
screenshot in SCRATCH.
"""

import contextlib
import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402
import pyatspi  # noqa: E402

TIMEOUT = 15.0  # seconds for anything on screen to happen; the machine may be busy
POLL = 0.05
EXIT_TIMEOUT = 10.0

# Window titles, as a screen reader announces each screen.
OPENING = "梁の強度計算 － 曲げ応力・たわみ・断面性能"
STRUCTURE = "構造計算梁形式"
CANTILEVER_CASES = "片持-梁"
MATERIAL_SHAPE = "材質-断面形状-選択"
SIZE = "Form材サイズ選択"
CALCULATION = "入力-計算"
SECTION_CALCULATOR = "入力-断面サイズ"

LOAD_N = 1000
SPAN_MM = 2000


class StepFailed(Exception):
    pass


def spoken(name):
    """A name as it is heard: runs of blanks (ideographic ones too) read as one."""
    return " ".join((name or "").split())


def number(text):
    try:
        return float(text.replace(",", "").strip())
    except ValueError:
        raise StepFailed(f"not a number: {text!r}") from None


def decimals(text):
    text = text.strip()
    return len(text) - text.index(".") - 1 if "." in text else 0


def half_unit(text):
    """Half a unit in the last place shown: the rounding a displayed value may carry."""
    return 0.5 * 10 ** -decimals(text)


def expect_close(what, shown, expected, relative_slack=0.0):
    """The shown text stands for `expected`, to its own last digit, widened by the relative
    rounding of the displayed inputs the expected value was worked out from."""
    tolerance = half_unit(shown) + abs(expected) * relative_slack + 1e-9
    if abs(number(shown) - expected) > tolerance:
        raise StepFailed(f"{what}: shown {shown!r}, expected {expected:.6g} ± {tolerance:.3g}")
    print(f"  ok {what} = {shown.strip()} (expected {expected:.6g})")


def rounding_of(*texts):
    """The relative rounding of displayed inputs, added up (products and quotients)."""
    return sum(half_unit(t) / abs(number(t)) for t in texts)


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls `probe` until it returns something true; a vanished object counts as not yet."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            result = probe()
            if result:
                return result
        except StepFailed:
            raise
        except Exception as e:  # D-Bus errors while windows come and go
            last_error = e
        if time.monotonic() > deadline:
            detail = f" (last error: {last_error})" if last_error else ""
            raise StepFailed(f"timed out after {timeout:.0f} s waiting for {what}{detail}")
        time.sleep(POLL)


def states(acc):
    return acc.getState()


def showing(acc):
    return states(acc).contains(pyatspi.STATE_SHOWING)


def descendants(window):
    """The controls on screen, breadth first, below a window (hidden ones skipped)."""
    queue = [window]
    while queue:
        node = queue.pop(0)
        for child in node:
            if child is None or not showing(child):
                continue
            yield child
            queue.append(child)


class Program:
    """One run of hari, seen through its accessible application."""

    def __init__(self, hari, scratch, label):
        self.label = label
        self.folder = os.path.join(scratch, label)
        os.makedirs(self.folder, exist_ok=True)
        self.log = open(os.path.join(self.folder, "hari.log"), "w")
        # The scratch folder is the working folder: the program must find its size tables
        # beside its executable, not here.
        self.process = subprocess.Popen([hari], cwd=self.folder, stdout=self.log,
                                        stderr=subprocess.STDOUT)
        self.app = wait_for("the application 'hari' on the accessibility bus", self._find_app)
        # Every question goes to the program itself: no answer from a stale cache.
        self.app.set_cache_mask(Atspi.Cache.NONE)
        self.named = set()  # the windows whose controls have been checked for names

    def _find_app(self):
        if self.process.poll() is not None:
            raise StepFailed(f"hari exited with {self.process.returncode} before it showed up")
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == "hari" and \
                    app.get_process_id() == self.process.pid:
                return app
        return None

    def windows_on_screen(self):
        return [w for w in self.app if w is not None and showing(w)]

    def window(self, title, active=False):
        """Waits until the window of that title is on screen (and, for keys, active)."""
        def probe():
            for w in self.windows_on_screen():
                if spoken(w.name) == title and \
                        (not active or states(w).contains(pyatspi.STATE_ACTIVE)):
                    return w
            return None
        w = wait_for(f"the window '{title}'", probe)
        if title not in self.named:
            self.named.add(title)
            check_names(w)
        return w

    def end(self, window, button):
        press(window, button)
        try:
            status = self.process.wait(timeout=EXIT_TIMEOUT)
        except subprocess.TimeoutExpired:
            raise StepFailed(f"hari still runs {EXIT_TIMEOUT:.0f} s after '{button}'") from None
        if status != 0:
            raise StepFailed(f"hari exited with status {status} after '{button}'")
        print(f"  ok '{button}' ended the program with status 0")

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.log.close()


NAMED_ROLES = ("text", "list", "push button", "radio button", "panel", "image")


def check_names(window):
    """Every control a screen reader stops at says what it is: no nameless box or button."""
    nameless = [a.getRoleName() for a in descendants(window)
                if a.getRoleName() in NAMED_ROLES and not spoken(a.name)]
    if nameless:
        raise StepFailed(f"'{spoken(window.name)}' has controls without a name: {nameless}")
    print(f"  ok every control of '{spoken(window.name)}' has a name")


def find(window, role, name, what=None):
    """The control on screen with that role and spoken name."""
    def probe():
        for acc in descendants(window):
            if acc.getRoleName() == role and spoken(acc.name) == name:
                return acc
        return None
    return wait_for(what or f"a {role} named '{name}'", probe)


def find_role(window, role):
    def probe():
        return next((a for a in descendants(window) if a.getRoleName() == role), None)
    return wait_for(f"a {role}", probe)


def do_action(acc, action):
    a = acc.queryAction()
    names = [a.getName(i) for i in range(a.nActions)]
    if action not in names:
        raise StepFailed(f"'{spoken(acc.name)}' has no action {action}; it has {names}")
    if not a.doAction(names.index(action)):
        raise StepFailed(f"'{spoken(acc.name)}': {action} refused")


def press(window, name):
    do_action(find(window, "push button", name), "Press")


def text_of(acc):
    return acc.queryText().getText(0, -1)


def field(window, name):
    return text_of(find(window, "text", name))


def type_into(window, name, text):
    box = find(window, "text", name)
    if not box.queryEditableText().setTextContents(text):
        raise StepFailed(f"the text box '{name}' refused {text!r}")
    wait_for(f"'{name}' to read {text!r}", lambda: text_of(box) == text)


def filled(window, name):
    """The text of a result field once the program has put something in it."""
    return wait_for(f"a value in '{name}'", lambda: field(window, name).strip())


def focused(window):
    return next((a for a in descendants(window)
                 if states(a).contains(pyatspi.STATE_FOCUSED)), None)


def focus_name(window):
    f = focused(window)
    return (f.getRoleName(), spoken(f.name)) if f is not None else None


def keys(*names):
    """Keys typed on the keyboard, into whichever window has the focus."""
    subprocess.run(["xdotool", "key", "--delay", "40", *names], check=True, timeout=30)


def tab_to(window, role, name, most=40):
    """Tab, one stop at a time, until the focus is on that control."""
    target = (role, name)
    for _ in range(most):
        here = wait_for("a focused control", lambda: focus_name(window))
        if here == target:
            return
        keys("Tab")
        wait_for("the focus to move on Tab", lambda: focus_name(window) != here)
    raise StepFailed(f"Tab never reached the {role} '{name}'")


def dump(program):
    print("accessible tree of the windows on screen (role, name):")
    try:
        for w in program.windows_on_screen():
            flags = " [active]" if states(w).contains(pyatspi.STATE_ACTIVE) else ""
            print(f"  {w.getRoleName()} {spoken(w.name)!r}{flags}")
            dump_children(w, 2)
    except Exception as e:
        print(f"  (tree unavailable: {e})")


def dump_children(node, depth):
    for child in node:
        if child is None or not showing(child):
            continue
        extra = ""
        if states(child).contains(pyatspi.STATE_FOCUSED):
            extra += " [focused]"
        if child.getRoleName() == "text":
            extra += f" = {text_of(child)!r}"
        print(f"{'  ' * depth}{child.getRoleName()} {spoken(child.name)!r}{extra}")
        if child.getRoleName() != "list":  # a size list holds hundreds of rows
            dump_children(child, depth + 1)


current_step = ["starting"]


@contextlib.contextmanager
def step(name):
    current_step[0] = name
    print(f"- {name}")
    yield


def screenshot(scratch, label):
    path = os.path.join(scratch, f"{label}-failure.png")
    try:
        subprocess.run(["import", "-window", "root", path], timeout=20, check=True)
        print(f"screenshot: {path}")
    except Exception as e:
        print(f"no screenshot: {e}")


# ---------------------------------------------------------------------------------------------
# The walks.

def choose_beam_case(p, structure_key=None):
    """Opening → 構造計算をする → 片持 → 次に進む → 片持集中荷重 → 次に進む."""
    with step("opening window: press 構造計算をする"):
        press(p.window(OPENING), "構造計算をする")
    with step("structure: press 片持, then 次に進む"):
        w = p.window(STRUCTURE)
        press(w, "片持")
        # The press marks the choice as a click does: the prompt names it.
        find(w, "label", "片持", "the prompt naming the chosen structure")
        press(w, "次に進む")
    with step("load case: press 片持集中荷重, then 次に進む"):
        w = p.window(CANTILEVER_CASES)
        press(w, "片持集中荷重")
        find(w, "label", "片持集中荷重", "the prompt naming the chosen load case")
        press(w, "次に進む")


def choose_material_and_shape(p, shape):
    with step(f"material and shape: SS400 and {shape}, then 次に進む"):
        w = p.window(MATERIAL_SHAPE)
        materials = find(w, "list", "材質選択")
        first = materials.getChildAtIndex(0)
        if spoken(first.name) != "SS400" or not states(first).contains(pyatspi.STATE_SELECTED):
            raise StepFailed(f"the material list does not open on SS400: {spoken(first.name)!r}")
        young = field(w, "ヤング係数 (N/mm2)")
        press(w, shape)
        wait_for(f"the prompt naming {shape}", lambda: any(
            a.getRoleName() == "label" and spoken(a.name).startswith(shape)
            for a in descendants(w)))
        press(w, "次に進む")
    return young


def size_values(w):
    return {name: filled(w, name) for name in
            ("面積 (cm2)", "重量 (N/m)", "断面係数 (cm3)", "二次M (cm4)")}


def check_cantilever_results(w, young, z, i, weight):
    """Cantilever, point load P at the tip, span L, self weight w per metre along it.

    M = P·L, σ = M / Z, δ = P·L³ / (3·E·I); the self weight: M = w·L² / 2. With P = 1000 N and
    L = 2 m the load moment is 2000 N·m, whatever the section."""
    L_m = SPAN_MM / 1000
    moment = filled(w, "荷重 モーメント (N・m)")
    expect_close("load moment (N·m), P·L = 1000 × 2", moment, LOAD_N * L_m)
    # σ = M / Z: N·m × 1000 → N·mm over cm³ × 1000 → mm³.
    expect_close("load stress (N/mm2), P·L / Z", filled(w, "荷重 最大曲げ応力 (N/mm2)"),
                 LOAD_N * L_m * 1000 / (number(z) * 1000), rounding_of(z))
    # δ = P L³ / (3 E I), L in mm, I cm⁴ × 10⁴ → mm⁴.
    expect_close("load deflection (mm), P·L³ / 3EI", filled(w, "荷重 たわみ量 (mm)"),
                 LOAD_N * SPAN_MM ** 3 / (3 * number(young) * number(i) * 1e4),
                 rounding_of(young, i))
    self_moment = filled(w, "自重 モーメント (N・m)")
    expect_close("self-weight moment (N·m), w·L²/2", self_moment,
                 number(weight) * L_m ** 2 / 2, rounding_of(weight))
    expect_close("total moment (N·m), load + self weight", filled(w, "合計 モーメント (N・m)"),
                 number(moment) + number(self_moment),
                 (half_unit(moment) + half_unit(self_moment)) / (number(moment) +
                                                                  number(self_moment)))


def beam_walk(hari, scratch):
    p = Program(hari, scratch, "beam")
    try:
        choose_beam_case(p)
        young = choose_material_and_shape(p, "H形通常")
        with step("size: the second H size, chosen from the list, then 次に進む"):
            w = p.window(SIZE)
            sizes = find(w, "list", "サイズ表")
            first = spoken(sizes.getChildAtIndex(0).name)
            second = spoken(sizes.getChildAtIndex(1).name)
            # A list row is chosen as a screen-reader user chooses it: focus, then an arrow.
            sizes.queryComponent().grabFocus()
            wait_for("the size list to take the focus",
                     lambda: states(sizes).contains(pyatspi.STATE_FOCUSED))
            wait_for("the window to take the keyboard", lambda: states(w).contains(
                pyatspi.STATE_ACTIVE))
            keys("Down")
            wait_for(f"the chosen size to read {second!r}",
                     lambda: find(w, "label", second, f"a label naming {second}"))
            values = size_values(w)
            print(f"  sizes {first!r}, {second!r}: {values}")
            press(w, "次に進む")
        with step(f"calculation: load {LOAD_N} N, span {SPAN_MM} mm"):
            w = p.window(CALCULATION)
            type_into(w, "荷重を入力( N )", str(LOAD_N))
            type_into(w, "長さ入力(mm)", str(SPAN_MM))
            z = filled(w, "断面係数 (cm3)")
            if number(z) != number(values["断面係数 (cm3)"]):
                raise StepFailed(f"Z on the calculation {z!r} is not the chosen size's")
            check_cantilever_results(w, young, z, filled(w, "二次M (cm4)"),
                                     values["重量 (N/m)"])
        with step("最初から goes back to the opening window; 閉じる ends the program"):
            press(w, "最初から")
            p.end(p.window(OPENING), "閉じる")
    finally:
        current_program[0] = p


def section_walk(hari, scratch):
    p = Program(hari, scratch, "section")
    current_program[0] = p
    with step("opening window: press 断面性能を調べる"):
        press(p.window(OPENING), "断面性能を調べる")
    choose_material_and_shape(p, "丸パイプ")
    with step("size: リスト以外のサイズ opens the section calculator"):
        press(p.window(SIZE), "リスト以外のサイズ")
    with step("section calculator: D = 60.5, t = 3.2"):
        w = p.window(SECTION_CALCULATOR)
        type_into(w, "直径φ(mm)", "60.5")
        type_into(w, "厚みｔ(mm)", "3.2")
        # Round pipe D = 60.5, t = 3.2, bore d = 54.1 mm (by hand):
        #   A = π/4 (60.5² − 54.1²) = π/4 × (3660.25 − 2926.81) = π/4 × 733.44 = 576.04 mm²
        #   I = π/64 (60.5⁴ − 54.1⁴) = π/64 × (13 397 430.06 − 8 566 216.78) = 237 151.6 mm⁴
        #   Z = I / (D/2) = 237 151.6 / 30.25 = 7 839.7 mm³;  i = √(I/A) = √411.69 = 20.29 mm
        #   mass = 5.7604 cm² × 100 cm × 7.85 g/cm³ = 4 521.9 g per metre
        # JIS G 3444 lists the same pipe with A 5.760 cm², I 23.7 cm⁴, Z 7.84 cm³, i 2.03 cm.
        expect_close("area (cm2)", filled(w, "面積 (cm2)"), 5.7604)
        expect_close("section modulus (cm3)", filled(w, "断面係数(cm3)"), 7.8397)
        expect_close("second moment (cm4)", filled(w, "二次M (cm4)"), 23.715)
        expect_close("radius of gyration (cm)", filled(w, "二次半径 (cm)"), 2.0290)
        expect_close("mass (kg/m)", filled(w, "質量 (kg/m)"), 4.5219)
    with step("おわり ends the program"):
        p.end(w, "おわり")


def keyboard_walk(hari, scratch):
    p = Program(hari, scratch, "keyboard")
    current_program[0] = p
    with step("keys: Return on the opening window's first picture"):
        w = p.window(OPENING, active=True)
        wait_for("the focus on 構造計算をする",
                 lambda: focus_name(w) == ("push button", "構造計算をする"))
        keys("Return")
    with step("keys: Right marks 片持垂直, Left 片持 again, Return goes on"):
        w = p.window(STRUCTURE, active=True)
        wait_for("the focus on 片持", lambda: focus_name(w) == ("push button", "片持"))
        keys("Right")
        find(w, "label", "片持垂直", "the prompt naming 片持垂直 after Right")
        keys("Left")
        find(w, "label", "片持", "the prompt naming 片持 after Left")
        keys("Return")
    with step("keys: Return on 片持集中荷重"):
        w = p.window(CANTILEVER_CASES, active=True)
        wait_for("the focus on 片持集中荷重",
                 lambda: focus_name(w) == ("push button", "片持集中荷重"))
        keys("Return")
    with step("keys: Tab to 丸パイプ, Return"):
        w = p.window(MATERIAL_SHAPE, active=True)
        tab_to(w, "push button", "丸パイプ")
        keys("Return")
    with step("keys: Tab to the size list, Down to φ60.5×3.2, Return"):
        w = p.window(SIZE, active=True)
        tab_to(w, "list", "サイズ表")
        sizes = find(w, "list", "サイズ表")
        rows = [spoken(sizes.getChildAtIndex(n).name) for n in range(sizes.childCount)]
        if "φ60.5×3.2" not in rows:
            raise StepFailed(f"no φ60.5×3.2 among the pipe sizes: {rows}")
        keys(*["Down"] * rows.index("φ60.5×3.2"))
        find(w, "label", "φ60.5×3.2", "the chosen size φ60.5×3.2")
        # JIS G 3444, 60.5 × 3.2: Z 7.84 cm³, I 23.7 cm⁴.
        expect_close("Z of φ60.5×3.2 (cm3)", filled(w, "断面係数 (cm3)"), 7.84)
        expect_close("I of φ60.5×3.2 (cm4)", filled(w, "二次M (cm4)"), 23.7)
        keys("Return")
    with step(f"keys: type {LOAD_N} into the load, Tab to the span, type {SPAN_MM}"):
        w = p.window(CALCULATION, active=True)
        tab_to(w, "text", "荷重を入力( N )")
        keys(*str(LOAD_N))
        wait_for("the load to read 1000", lambda: field(w, "荷重を入力( N )") == str(LOAD_N))
        tab_to(w, "text", "長さ入力(mm)")
        keys(*str(SPAN_MM))
        wait_for("the span to read 2000", lambda: field(w, "長さ入力(mm)") == str(SPAN_MM))
        # M = P·L = 1000 N × 2 m = 2000 N·m; σ = M / Z = 2 000 000 N·mm / 7 840 mm³ = 255.10.
        expect_close("load moment (N·m)", filled(w, "荷重 モーメント (N・m)"), 2000)
        expect_close("load stress (N/mm2)", filled(w, "荷重 最大曲げ応力 (N/mm2)"), 255.10)
    with step("keys: Tab to おわり, Space ends the program"):
        tab_to(w, "push button", "おわり")
        keys("space")
        try:
            status = p.process.wait(timeout=EXIT_TIMEOUT)
        except subprocess.TimeoutExpired:
            raise StepFailed("hari still runs after Space on おわり") from None
        if status != 0:
            raise StepFailed(f"hari exited with status {status}")
        print("  ok Space on おわり ended the program with status 0")


current_program = [None]
WALKS = {"beam": beam_walk, "section": section_walk, "keyboard": keyboard_walk}


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    hari, scratch = sys.argv[1], sys.argv[2]
    chosen = sys.argv[3:] or list(WALKS)
    started = time.monotonic()
    for label in chosen:
        print(f"walk: {label}")
        current_program[0] = None
        walk_started = time.monotonic()
        try:
            WALKS[label](hari, scratch)
        except Exception as e:
            print(f"FAIL in the {label} walk, at step '{current_step[0]}': {e}")
            if current_program[0] is not None:
                dump(current_program[0])
            screenshot(scratch, label)
            return 1
        finally:
            if current_program[0] is not None:
                current_program[0].kill()
        print(f"walk {label}: passed in {time.monotonic() - walk_started:.1f} s")
    print(f"all walks passed in {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
