#!/usr/bin/env python3
"""Measures how many realistic faults the test suite catches.

Each fault below is a small slip that a developer could make. The script applies
one at a time to the source tree, rebuilds, runs ctest, and restores the file. A
fault is caught when the build still succeeds and at least one test fails. A
fault whose text is no longer in its file is reported as not applicable.

    usage: tools/inject_faults.py BUILD_DIR [FAULT_NUMBER...]
"""

import pathlib
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent

# (file, text as it stands, text with the fault, what a user would see)
FAULTS = [
    ("calc/entry_filter.cpp", "KeyAscii <= 57", "KeyAscii < 57", "the digit 9 cannot be typed"),
    ("calc/entry_filter.cpp", "KeyAscii == 46", "KeyAscii == 44", "a comma instead of the point"),
    ("calc/entry_filter.cpp", "KeyAscii == 8 ||", "KeyAscii == 127 ||", "backspace refused"),
    ("calc/entry_filter.cpp", "const bool digit = KeyAscii >= 48 && KeyAscii <= 57;",
     "const bool digit = (KeyAscii & 0xFF) >= 48 && (KeyAscii & 0xFF) <= 57;",
     "characters whose low byte is a digit get through"),
    ("calc/line_formulas.h", "twoWireFormula{2.0, 276.0F}", "twoWireFormula{2.0, 267.0F}", "wrong two-wire factor"),
    ("calc/line_formulas.h", "squareCoaxFormula{1.07, 138.0F}", "squareCoaxFormula{1.0, 138.0F}",
     "the square coax loses its correction"),
    ("calc/line_formulas.h", "roundCoaxFormula{1.0, 138.0F}", "roundCoaxFormula{1.07, 138.0F}",
     "the round coax gains a correction"),
    ("calc/line_formulas.cpp", "const double lnTen = std::log(10.0);", "const double lnTen = 2.302585;",
     "a rounded constant for ln 10"),
    ("calc/line_formulas.cpp", "std::log(static_cast<double>(LogNépérien))", "std::log(LogNépérien)",
     "the logarithm taken in single precision"),
    ("calc/line_formulas.cpp", "return checkedSingle(lnArgument / lnTen);",
     "return static_cast<float>(lnArgument) / static_cast<float>(lnTen);", "the logarithm's quotient in single precision"),
    ("calc/line_formulas.cpp", "std::fabs(value) >= singleOverflowThreshold",
     "std::fabs(value) >= 2 * singleOverflowThreshold", "overflow detected too late"),
    ("calc/line_formulas.cpp", "if (std::isnan(value))", "if (false)", "not-a-number goes unchecked"),
    ("calc/line_panels.cpp", "    view_.setEntryEnabled(panel, elementLarge, true);\n", "",
     "New leaves the second entry locked"),
    ("calc/line_panels.cpp", "    view_.focusEntry(panel, elementSmall);\n    view_.setEntryText",
     "    view_.focusEntry(panel, elementLarge);\n    view_.setEntryText", "New puts the focus in the wrong entry"),
    ("calc/line_panels.cpp", "    view_.setResultText(panel, \"\");\n", "", "New leaves the old result"),
    ("calc/line_panels.cpp", "smallEmpty || largeEmpty", "smallEmpty && largeEmpty", "one empty entry accepted"),
    ("calc/line_panels.cpp", "smallZero || largeZero", "smallZero && largeZero", "one zero accepted"),
    ("calc/line_panels.cpp", "    view_.setEntryText(panel, elementLarge, \"\");\n    view_.focusEntry", "    view_.focusEntry",
     "a rejected panel keeps its second entry"),
    ("calc/line_panels.cpp", "const double D = numericValue(view_.entryText(panel, elementLarge));",
     "const double D = numericValue(view_.entryText(panel, elementSmall));", "d and D mixed up"),
    ("calc/line_panels.cpp", "void LinePanels::calcul3() { calcul(LinePanel::RoundCoax); }",
     "void LinePanels::calcul3() { calcul(LinePanel::SquareCoax); }", "the round coax computes the square one"),
    ("calc/line_panels.cpp", "        view_.showErrorMessage(messages::errorTitle, messages::impossibleCalculation);\n", "",
     "an impossible calculation says nothing"),
    ("calc/line_panels.cpp", "    view_.setEntryEnabled(panel, elementLarge, false);\n", "",
     "a calculation leaves the second entry unlocked"),
    ("calc/numeric_text.cpp", "c == ' ' || c == '\\t' || c == '\\n'", "c == ' ' || c == '\\t'",
     "line feeds not skipped"),
    ("calc/numeric_text.cpp", "c == ' ' || c == '\\t' ||", "c == ' ' ||", "tabs not skipped"),
    ("calc/numeric_text.cpp", "exponentNegative = s[j++] == '-';", "++j;", "a negative exponent taken as positive"),
    ("calc/result_text.cpp", "std::round(static_cast<double>(value) * 10.0)", "std::round(value * 10.0F)",
     "tenths rounded in single precision"),
    ("calc/result_text.cpp", "if (tenths < 0.0)", "if (value < 0.0F)", "a small negative shown as -0.0"),
    ("calc/result_text.cpp", "text += decimalSeparator;", "text += std::string(decimalSeparator.substr(0, 0)) + '.';",
     "the locale's separator ignored"),
    ("ui/form_layout.cpp", "fromTwips(3600, 2640 + down, 615, 285), 4,", "fromTwips(3600, 2640 + down, 615, 285), 5,",
     "a coax panel's first entry takes five characters"),
    ("ui/main_form.cpp", "QMessageBox::Critical", "QMessageBox::Warning", "the message box shows the wrong icon"),
    ("ui/form_button.cpp", "window()->setAttribute(Qt::WA_KeyboardFocusChange);", "(void)0;",
     "no focus frame at start"),
    ("ui/main_form.cpp", "label->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);",
     "label->setFrameStyle(QFrame::NoFrame);", "results without their sunken frame"),
    ("ui/main_form.cpp", "chain(panel.newButton);\n        chain(panel.calculateButton);",
     "chain(panel.calculateButton);\n        chain(panel.newButton);", "the tab cycle visits the buttons out of order"),
    ("ui/numeric_entry.cpp", "event->key() != Qt::Key_Delete && ", "", "Delete no longer deletes"),
    ("ui/numeric_entry.cpp", "if (accepts(c))\n            kept += c;", "kept += c;",
     "input-method text bypasses the filter"),
    ("ui/title_label.cpp", "bold.setBold(true);", "bold.setBold(false);", "titles not bold"),
    ("app/main.cpp", "    form.show();\n", "", "the window never shows"),
    ("ui/application_setup.cpp", "QApplication::installTranslator(", "(void)(", "Qt's texts in English"),
]


def run(command, **kwargs):
    return subprocess.run(command, cwd=ROOT, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kwargs)


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    build = sys.argv[1]
    chosen = [int(n) for n in sys.argv[2:]] or range(1, len(FAULTS) + 1)
    caught = missed = 0
    for number in chosen:
        path, before, after, effect = FAULTS[number - 1]
        file = ROOT / path
        original = file.read_text(encoding="utf-8") if file.exists() else ""
        if original.count(before) != 1:
            print(f"{number:3} n/a     {effect}")
            continue
        try:
            file.write_text(original.replace(before, after), encoding="utf-8")
            if run(["cmake", "--build", build]).returncode != 0:
                print(f"{number:3} n/a     {effect} (does not build)")
                continue
            failed = run(["ctest", "--test-dir", build, "-j2", "--timeout", "120"]).returncode != 0
        finally:
            file.write_text(original, encoding="utf-8")
        caught += failed
        missed += not failed
        print(f"{number:3} {'caught' if failed else 'MISSED'}  {effect}", flush=True)
    run(["cmake", "--build", build])
    total = caught + missed
    print(f"{caught} of {total} faults caught ({100 * caught / max(total, 1):.0f} %)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
