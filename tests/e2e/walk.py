#!/usr/bin/env python3
"""Walks hari's two roads from outside, as a screen-reader user does, through AT-SPI.

Usage: walk.py HARI SCRATCH [WALK...]. Runs inside an X server and a session bus of its own
(run.sh). Controls are found by role and accessible name; results are read back through the
Text interface and checked against values worked out by hand. Each walk starts the program
afresh: `beam` by AT-SPI actions, `section` to the section calculator, `keyboard` by keys alone,
`saved` started on a saved check (`hari FILE.hari`).
On failure it names the step, prints the controls on screen and leaves a screenshot in SCRATCH.
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

# Window titles, as a screen reader announces each screen.
OPENING = "梁の強度計算 － 曲げ応力・たわみ・断面性能"
STRUCTURE = "構造計算梁形式"
CANTILEVER_CASES = "片持-梁"
MATERIAL_SHAPE = "材質-断面形状-選択"
SIZE = "Form材サイズ選択"
CALCULATION = "入力-計算"
SECTION_CALCULATOR = "入力-断面サイズ"

# Every control a screen reader stops at must say what it is.
NAMED_ROLES = ("text", "list", "push button", "radio button", "panel", "image")


class StepFailed(Exception):
    pass


def spoken(name):
    """A name as it is heard: runs of blanks (ideographic ones too) read as one."""
    return " ".join((name or "").split())


def number(text):
    try:
        return float(text.strip())
    except ValueError:
        raise StepFailed(f"not a number: {text!r}") from None


def expect_close(what, shown, expected, relative=0.0):
    """The shown text stands for `expected` to its last digit, widened by `relative` where the
    expected value was worked out from rounded figures read off the screen."""
    text = shown.strip()
    decimals = len(text) - text.index(".") - 1 if "." in text else 0
    tolerance = 0.5 * 10 ** -decimals + abs(expected) * relative + 1e-9
    if abs(number(text) - expected) > tolerance:
        raise StepFailed(f"{what}: shown {text!r}, expected {expected:.6g} ± {tolerance:.3g}")
    print(f"  ok {what} = {text}")


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls `probe` until it returns something true; a vanished object counts as not yet."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            result = probe()
            if result:
                return result
        except StepFailed:
            raise
        except Exception:  # D-Bus errors while windows come and go
            pass
        if time.monotonic() > deadline:
            raise StepFailed(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(0.05)


def has_state(acc, state):
    return acc.getState().contains(state)


def descendants(window):
    """The controls on screen below a window, breadth first."""
    queue = [window]
    while queue:
        for child in queue.pop(0):
            if child is not None and has_state(child, pyatspi.STATE_SHOWING):
                yield child
                queue.append(child)


class Program:
    """One run of hari, seen through its accessible application."""

    def __init__(self, hari, scratch, label):
        folder = os.path.join(scratch, label)
        os.makedirs(folder, exist_ok=True)
        self.log = open(os.path.join(folder, "hari.log"), "w")
        # A walk that starts on a file names it in SAVED_CHECKS; the folder is where it lies.
        args = [hari]
        if label in SAVED_CHECKS:
            path = os.path.join(folder, "check.hari")
            with open(path, "w", encoding="utf-8") as f:
                f.write(SAVED_CHECKS[label])
            args.append(path)
        # The scratch folder is the working folder: the size tables must be found beside the
        # program, not here.
        self.process = subprocess.Popen(args, cwd=folder, stdout=self.log,
                                        stderr=subprocess.STDOUT)
        self.app = wait_for("the application 'hari' on the accessibility bus", self._find_app)
        self.app.set_cache_mask(Atspi.Cache.NONE)  # every question goes to the program itself
        self.named = set()

    def _find_app(self):
        if self.process.poll() is not None:
            raise StepFailed(f"hari exited with {self.process.returncode} before it showed up")
        return next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and
                     a.name == "hari" and a.get_process_id() == self.process.pid), None)

    def windows_on_screen(self):
        return [w for w in self.app if w is not None and has_state(w, pyatspi.STATE_SHOWING)]

    def window(self, title, active=False):
        """The window of that title once it is on screen (and, for keys, active); the first
        time, every control of it is checked for a name."""
        w = wait_for(f"the window '{title}'", lambda: next(
            (w for w in self.windows_on_screen() if spoken(w.name) == title and
             (not active or has_state(w, pyatspi.STATE_ACTIVE))), None))
        if title not in self.named:
            self.named.add(title)
            nameless = [a.getRoleName() for a in descendants(w)
                        if a.getRoleName() in NAMED_ROLES and not spoken(a.name)]
            if nameless:
                raise StepFailed(f"'{title}' has controls without a name: {nameless}")
        return w

    def ended_by(self, what):
        try:
            status = self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            raise StepFailed(f"hari still runs after {what}") from None
        if status != 0:
            raise StepFailed(f"hari exited with status {status} after {what}")
        print(f"  ok {what} ended the program")

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.log.close()


def find(window, role, name):
    return wait_for(f"a {role} named '{name}'", lambda: next(
        (a for a in descendants(window) if a.getRoleName() == role and spoken(a.name) == name),
        None))


def press(window, name):
    a = find(window, "push button", name).queryAction()
    names = [a.getName(i) for i in range(a.nActions)]
    if "Press" not in names or not a.doAction(names.index("Press")):
        raise StepFailed(f"'{name}' cannot be pressed: {names}")


def field(window, name):
    box = find(window, "text", name)
    return box.queryText().getText(0, -1)


def filled(window, name):
    """The text of a result field once the program has put something in it."""
    return wait_for(f"a value in '{name}'", lambda: field(window, name).strip())


def type_into(window, name, text):
    if not find(window, "text", name).queryEditableText().setTextContents(text):
        raise StepFailed(f"the text box '{name}' refused {text!r}")
    wait_for(f"'{name}' to read {text!r}", lambda: field(window, name) == text)


def focus_name(window):
    f = next((a for a in descendants(window) if has_state(a, pyatspi.STATE_FOCUSED)), None)
    return (f.getRoleName(), spoken(f.name)) if f is not None else None


def keys(*names):
    """Keys typed on the keyboard, into whichever window has the focus."""
    subprocess.run(["xdotool", "key", "--delay", "40", *names], check=True, timeout=30)


def tab_to(window, role, name):
    """Tab, one stop at a time, until the focus is on that control."""
    for _ in range(40):
        here = wait_for("a focused control", lambda: focus_name(window))
        if here == (role, name):
            return
        keys("Tab")
        wait_for("the focus to move on Tab", lambda: focus_name(window) != here)
    raise StepFailed(f"Tab never reached the {role} '{name}'")


def return_on(p, title, name):
    """Return on the picture that has the focus when the window opens."""
    w = p.window(title, active=True)
    wait_for(f"the focus on {name}", lambda: focus_name(w) == ("push button", name))
    keys("Return")


current_step = ["starting"]
current = [None]


@contextlib.contextmanager
def step(name):
    current_step[0] = name
    print(f"- {name}")
    yield


# ---------------------------------------------------------------------------------------------
# The walks. Worked values: P = 1000 N at the tip of a cantilever L = 2000 mm long gives
# M = P·L = 2000 N·m whatever the section; σ = M / Z; δ = P·L³ / (3·E·I); the self weight w per
# metre gives M = w·L² / 2.

def choose_material_and_shape(p, shape):
    with step(f"material and shape: SS400 and {shape}, then 次に進む"):
        w = p.window(MATERIAL_SHAPE)
        first = find(w, "list", "材質選択").getChildAtIndex(0)
        if spoken(first.name) != "SS400" or not has_state(first, pyatspi.STATE_SELECTED):
            raise StepFailed(f"the material list does not open on SS400: {spoken(first.name)!r}")
        young = field(w, "ヤング係数 (N/mm2)")
        press(w, shape)
        wait_for(f"the prompt naming {shape}", lambda: any(
            a.getRoleName() == "label" and spoken(a.name).startswith(shape)
            for a in descendants(w)))
        press(w, "次に進む")
    return young


def beam_walk(p):
    with step("opening, structure 片持 and load case 片持集中荷重, each then 次に進む"):
        press(p.window(OPENING), "構造計算をする")
        for title, choice in ((STRUCTURE, "片持"), (CANTILEVER_CASES, "片持集中荷重")):
            w = p.window(title)
            press(w, choice)
            find(w, "label", choice)  # the prompt names the choice, as after a click
            press(w, "次に進む")
    young = choose_material_and_shape(p, "H形通常")
    with step("size: the second H size, by focus and an arrow, then 次に進む"):
        w = p.window(SIZE)
        sizes = find(w, "list", "サイズ表")
        second = spoken(sizes.getChildAtIndex(1).name)
        sizes.queryComponent().grabFocus()
        wait_for("the size list to take the keyboard", lambda: has_state(
            sizes, pyatspi.STATE_FOCUSED) and has_state(w, pyatspi.STATE_ACTIVE))
        keys("Down")
        find(w, "label", second)
        z, i, weight = (filled(w, n) for n in ("断面係数 (cm3)", "二次M (cm4)", "重量 (N/m)"))
        press(w, "次に進む")
    with step("calculation: load 1000 N, span 2000 mm"):
        w = p.window(CALCULATION)
        type_into(w, "荷重を入力( N )", "1000")
        type_into(w, "長さ入力(mm)", "2000")
        if number(filled(w, "断面係数 (cm3)")) != number(z):
            raise StepFailed("Z on the calculation is not the chosen size's")
        moment = filled(w, "荷重 モーメント (N・m)")
        expect_close("load moment (N·m)", moment, 2000)
        # N·m × 1000 over cm³ × 1000.
        expect_close("load stress (N/mm2)", filled(w, "荷重 最大曲げ応力 (N/mm2)"),
                     2000 / number(z), 0.005)
        # I in cm⁴ × 10⁴ = mm⁴.
        expect_close("load deflection (mm)", filled(w, "荷重 たわみ量 (mm)"),
                     1000 * 2000 ** 3 / (3 * number(young) * number(i) * 1e4), 0.005)
        own = filled(w, "自重 モーメント (N・m)")
        expect_close("self-weight moment (N·m)", own, number(weight) * 2 ** 2 / 2, 0.005)
        expect_close("total moment (N·m)", filled(w, "合計 モーメント (N・m)"),
                     number(moment) + number(own))
    with step("最初から goes back to the opening window; 閉じる ends the program"):
        press(w, "最初から")
        press(p.window(OPENING), "閉じる")
        p.ended_by("閉じる")


def section_walk(p):
    with step("opening: 断面性能を調べる"):
        press(p.window(OPENING), "断面性能を調べる")
    choose_material_and_shape(p, "丸パイプ")
    with step("size: リスト以外のサイズ opens the section calculator"):
        press(p.window(SIZE), "リスト以外のサイズ")
    with step("section calculator: D = 60.5, t = 3.2"):
        w = p.window(SECTION_CALCULATOR)
        type_into(w, "直径φ(mm)", "60.5")
        type_into(w, "厚みｔ(mm)", "3.2")
        # Bore d = 54.1: A = π/4 (60.5² − 54.1²) = 576.04 mm², I = π/64 (60.5⁴ − 54.1⁴)
        # = 237 151.6 mm⁴, Z = I / 30.25 = 7 839.7 mm³, i = √(I/A) = 20.29 mm,
        # mass 5.7604 cm² × 7.85 / 10 = 4.5219 kg/m (JIS G 3444: 5.760, 23.7, 7.84, 2.03).
        for name, value in (("面積 (cm2)", 5.7604), ("断面係数(cm3)", 7.8397),
                            ("二次M (cm4)", 23.715), ("二次半径 (cm)", 2.0290),
                            ("質量 (kg/m)", 4.5219)):
            expect_close(name, filled(w, name), value)
    with step("おわり ends the program"):
        press(w, "おわり")
        p.ended_by("おわり")


def keyboard_walk(p):
    with step("keys: Return on 構造計算をする"):
        return_on(p, OPENING, "構造計算をする")
    with step("keys: Right marks 片持垂直, Left 片持 again, Return goes on"):
        w = p.window(STRUCTURE, active=True)
        wait_for("the focus on 片持", lambda: focus_name(w) == ("push button", "片持"))
        keys("Right")
        find(w, "label", "片持垂直")
        keys("Left")
        find(w, "label", "片持")
        keys("Return")
    with step("keys: Return on 片持集中荷重, Tab to 丸パイプ, Return"):
        return_on(p, CANTILEVER_CASES, "片持集中荷重")
        tab_to(p.window(MATERIAL_SHAPE, active=True), "push button", "丸パイプ")
        keys("Return")
    with step("keys: Tab to the size list, Down to φ60.5×3.2, Return"):
        w = p.window(SIZE, active=True)
        tab_to(w, "list", "サイズ表")
        sizes = find(w, "list", "サイズ表")
        rows = [spoken(sizes.getChildAtIndex(n).name) for n in range(sizes.childCount)]
        if "φ60.5×3.2" not in rows:
            raise StepFailed(f"no φ60.5×3.2 among the pipe sizes: {rows}")
        keys(*["Down"] * rows.index("φ60.5×3.2"))
        find(w, "label", "φ60.5×3.2")
        expect_close("Z of φ60.5×3.2 (cm3), JIS G 3444", filled(w, "断面係数 (cm3)"), 7.84)
        keys("Return")
    with step("keys: 1000 into the load, Tab to the span, 2000"):
        w = p.window(CALCULATION, active=True)
        for name, typed in (("荷重を入力( N )", "1000"), ("長さ入力(mm)", "2000")):
            tab_to(w, "text", name)
            keys(*typed)
            wait_for(f"'{name}' to read {typed}", lambda: field(w, name) == typed)
        # M = 1000 N × 2 m = 2000 N·m; σ = 2 000 000 N·mm / 7 840 mm³ = 255.10.
        expect_close("load moment (N·m)", filled(w, "荷重 モーメント (N・m)"), 2000)
        expect_close("load stress (N/mm2)", filled(w, "荷重 最大曲げ応力 (N/mm2)"), 255.10)
    with step("keys: Tab to おわり, Space ends the program"):
        tab_to(w, "push button", "おわり")
        keys("space")
        p.ended_by("Space on おわり")


# A check saved by hand: a cantilever of SS400 H-100×100×6×8 (Z 75.6 cm³) under 1000 N at
# its tip, L = 2000 mm.
SAVED_CHECKS = {"saved": """{
  "format": "hari-check", "version": 1, "program": "hari", "title": "", "member": "B1",
  "road": "beam", "structure": 1, "loadCase": 1,
  "material": {"entry": 1, "typed": false, "kmage": 157, "kashuku": 157, "ksendan": 90.5,
               "yang": 205000, "hiju": 7.85},
  "section": {"source": "table", "shape": 9, "size": "H-100×100×6×8", "area": 21.59,
              "mass": 16.95, "z": 75.6, "i": 378, "radius": 4.18},
  "inputs": {"load": "1000", "span": "2000", "l1": "", "unit": "N", "mode": "total",
             "display": "SI", "z": "75.60", "i": "378.00", "e": "205000", "mass": "16.95",
             "allow": "157"}
}
"""}


def saved_walk(p):
    with step("hari check.hari opens on the calculation with the saved values"):
        w = p.window(CALCULATION)
        for name, typed in (("荷重を入力( N )", "1000"), ("長さ入力(mm)", "2000")):
            if field(w, name) != typed:
                raise StepFailed(f"'{name}' reads {field(w, name)!r}, saved {typed!r}")
        # M = 1000 N × 2 m = 2000 N·m; σ = 2 000 000 N·mm / 75 600 mm³ = 26.46 N/mm².
        expect_close("load moment (N·m)", filled(w, "荷重 モーメント (N・m)"), 2000)
        expect_close("load stress (N/mm2)", filled(w, "荷重 最大曲げ応力 (N/mm2)"), 26.455)
        windows = [spoken(x.name) for x in p.windows_on_screen()]
        if windows != [CALCULATION]:
            raise StepFailed(f"windows on screen: {windows}")
    with step("Ctrl+S opens the save dialog; Escape cancels it"):
        w = p.window(CALCULATION, active=True)
        keys("ctrl+s")
        # Qt's own dialog: its controls are Qt's, not this program's, so their names are not
        # checked here.
        dialog = wait_for("the save dialog", lambda: next(
            (d for d in p.windows_on_screen() if spoken(d.name) == "検討を保存"), None))
        keys("Escape")
        wait_for("the save dialog to close", lambda: not has_state(dialog, pyatspi.STATE_SHOWING))
        print("  ok the save dialog came and went")
    with step("前に戻る shows the size screen with the saved size selected"):
        w = p.window(CALCULATION)
        press(w, "前に戻る")
        w = p.window(SIZE)
        sizes = find(w, "list", "サイズ表")
        chosen = [spoken(sizes.getChildAtIndex(n).name) for n in range(sizes.childCount)
                  if has_state(sizes.getChildAtIndex(n), pyatspi.STATE_SELECTED)]
        if chosen != ["H-100×100×6×8"]:
            raise StepFailed(f"selected sizes: {chosen}")
        find(w, "label", "H-100×100×6×8")
        print("  ok H-100×100×6×8 selected")
    with step("おわり ends the program at once: nothing changed since it was opened"):
        press(w, "おわり")
        p.ended_by("おわり")


WALKS = {"beam": beam_walk, "section": section_walk, "keyboard": keyboard_walk,
         "saved": saved_walk}


def report_failure(scratch, label, error):
    print(f"FAIL in the {label} walk, at step '{current_step[0]}': {error}")
    try:
        for w in current[0].windows_on_screen():
            print(f"  window {spoken(w.name)!r}")
            for a in descendants(w):
                print(f"    {a.getRoleName()} {spoken(a.name)!r}")
    except Exception as e:
        print(f"  (controls unavailable: {e})")
    path = os.path.join(scratch, f"{label}-failure.png")
    subprocess.run(["import", "-window", "root", path], timeout=20, check=False)
    print(f"screenshot: {path}")


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    hari, scratch = sys.argv[1], sys.argv[2]
    for label in sys.argv[3:] or list(WALKS):
        print(f"walk: {label}")
        started = time.monotonic()
        current[0] = None
        try:
            current[0] = Program(hari, scratch, label)
            WALKS[label](current[0])
        except Exception as e:
            report_failure(scratch, label, e)
            return 1
        finally:
            if current[0] is not None:
                current[0].kill()
        print(f"walk {label}: passed in {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
