# Faults that a developer could plausibly make in calc/ of Tarvelle, the core that the
# window and tarvelle-calc share.
# Each entry: (path relative to the repository root, original text occurring exactly
# once in that file, replacement text, what a user would see).

FAULTS = [
    # --- number characters (calc/characters.h) ----------------------------------------
    ("calc/characters.h",
     "c <= '9'",
     "c < '9'",
     "the digit 9 cannot be typed, nor given to tarvelle-calc"),
    ("calc/characters.h",
     "c == '.'",
     "c == ','",
     "a comma instead of the point"),

    # --- entry filter: keys and pastes (calc/entry_filter.cpp) ------------------------
    ("calc/entry_filter.cpp",
     "KeyAscii >= 0 && KeyAscii < 128 && isNumberCharacter(static_cast<char>(KeyAscii))",
     "isNumberCharacter(static_cast<char>(KeyAscii))",
     "characters whose low byte is a digit get through"),
    ("calc/entry_filter.cpp",
     "number || KeyAscii == 8",
     "number || KeyAscii == 127",
     "backspace refused"),
    ("calc/entry_filter.cpp",
     "constexpr std::string_view blanks = \" \\t\\r\\n\\v\\f\";",
     "constexpr std::string_view blanks = \" \\t\";",
     "a pasted number copied with its line ending (\"50\\n\", \"50\\r\\n\") is refused "
     "whole with a beep"),
    ("calc/entry_filter.cpp",
     "text.find_last_not_of(blanks) - first + 1)",
     "text.find_last_not_of(blanks) - first)",
     "a pasted number loses its last character: pasting \"12.5\" inserts \"12.\""),
    ("calc/entry_filter.cpp",
     "if (kept.size() > room)",
     "if (kept.size() >= room)",
     "a paste that exactly fills an entry (e.g. \"12.5\" into an empty d entry) is "
     "refused with a beep"),

    # --- reading numbers (calc/numeric_text.cpp) --------------------------------------
    ("calc/numeric_text.cpp",
     "c == ' ' || c == '\\t' || c == '\\n'",
     "c == ' ' || c == '\\t'",
     "line feeds not skipped"),
    ("calc/numeric_text.cpp",
     "c == ' ' || c == '\\t' ||",
     "c == ' ' ||",
     "tabs not skipped"),
    ("calc/numeric_text.cpp",
     "        if (!isSkipped(c))\n            kept.push_back(c);",
     "        if (isSkipped(c))\n            break;\n        kept.push_back(c);",
     "a blank ends the number: a pasted \"1 2.5\" reads as 1 and \" 5\" as 0"),
    ("calc/numeric_text.cpp",
     "exponentNegative = s[j++] == '-';",
     "++j;",
     "a negative exponent taken as positive"),
    ("calc/numeric_text.cpp",
     "number.decimalMagnitude > 0 ?",
     "number.decimalMagnitude < 0 ?",
     "a number too large for a double reads as 0 and a too small one as infinity"),

    # --- handbook formulas (calc/*_line.h) --------------------------------------------
    ("calc/two_wire_line.h",
     "handbook{2.0, 276.0F}",
     "handbook{2.0, 267.0F}",
     "two-wire impedances are about 3 % low (267 typed for 276): 2 mm wires 50 mm "
     "apart give 453.6 instead of 468.9, in the window and in tarvelle-calc"),
    ("calc/square_coax_line.h",
     "handbook{1.07, 138.0F}",
     "handbook{1.7, 138.0F}",
     "square-coax correction factor typed 1.7 for 1.07: square coax results about 27.8 "
     "ohms too high (carree -d 5 -D 10 gives 73.4 instead of 45.6)"),
    ("calc/round_coax_line.h",
     "handbook{1.0, 138.0F}",
     "handbook{1.07, 138.0F}",
     "the round coax gains a correction"),

    # --- line formulas (calc/line_formulas.cpp) ---------------------------------------
    ("calc/line_formulas.cpp",
     "if (std::isnan(value))",
     "if (false)",
     "not-a-number goes unchecked"),
    ("calc/line_formulas.cpp",
     "std::fabs(value) >= singleOverflowThreshold",
     "std::fabs(value) >= 2 * singleOverflowThreshold",
     "overflow detected too late"),
    ("calc/line_formulas.cpp",
     "if (!(LogNépérien > 0.0F))",
     "if (LogNépérien < 0.0F)",
     "a ratio that underflows to 0 is reported as an overflow instead of a logarithm "
     "of a non-positive number"),
    ("calc/line_formulas.cpp",
     "const double lnTen = std::log(10.0);",
     "const double lnTen = std::log(10.0F);",
     "ln 10 taken in single precision: some results differ in the last bit, a few "
     "shown tenths change"),
    ("calc/line_formulas.cpp",
     "const double lnArgument = std::log(static_cast<double>(LogNépérien));",
     "const double lnArgument = std::log10(static_cast<double>(LogNépérien));",
     "the logarithm is taken in base 10 and then divided by ln 10 again: every "
     "impedance is 2.3 times too small (bifilaire -d 2 -D 50 gives 203.6)"),
    ("calc/line_formulas.cpp",
     "std::log(static_cast<double>(LogNépérien))",
     "std::log(LogNépérien)",
     "the logarithm taken in single precision"),
    ("calc/line_formulas.cpp",
     "return checkedSingle(lnArgument / lnTen);",
     "return static_cast<float>(lnArgument) / static_cast<float>(lnTen);",
     "the logarithm's quotient in single precision"),
    ("calc/line_formulas.cpp",
     "fail(scaled == 0.0 || std::isnan(scaled) ? CalculationError::Kind::InvalidOperation\n                                                : CalculationError::Kind::DivisionByZero);",
     "fail(scaled == 0.0 || std::isnan(scaled) ? CalculationError::Kind::DivisionByZero\n                                                : CalculationError::Kind::InvalidOperation);",
     "d = 0 reports an invalid operation and 0/0 a division by zero: the wrong failure "
     "is reported"),
    ("calc/line_formulas.cpp",
     "checkedSingle(scaled / d)",
     "checkedSingle(D / d)",
     "the multiplier is lost: two-wire and square-coax results are wrong (2 and 1.07 "
     "ignored)"),

    # --- ideal lines (calc/*_line.cpp) ------------------------------------------------
    ("calc/two_wire_line.cpp",
     "return freeSpaceImpedance / std::numbers::pi * std::acosh(ratio);",
     "return freeSpaceImpedance / (2.0 * std::numbers::pi) * std::acosh(ratio);",
     "tarvelle-calc bifilaire --exact gives half the ideal impedance (η0/2π instead of "
     "η0/π)"),
    ("calc/round_coax_line.cpp",
     "return freeSpaceImpedance / (2.0 * std::numbers::pi) * std::log(ratio);",
     "return freeSpaceImpedance / (2.0 * std::numbers::pi) * std::log10(ratio);",
     "tarvelle-calc ronde --exact uses a decimal logarithm: 41.56 -> 18.05 ohms for "
     "D/d = 2; -z answers are wrong too"),
    ("calc/square_coax_line.cpp",
     "return freeSpaceImpedance / (2.0 * std::numbers::pi * field.logCoefficient);",
     "return freeSpaceImpedance / (std::numbers::pi * field.logCoefficient);",
     "tarvelle-calc carree --exact gives twice the ideal impedance (92.20 instead of "
     "46.10 for -d 1 -D 2)"),

    # --- square coax field: smallest ratio (calc/square_coax_field.h) -----------------
    ("calc/square_coax_field.h",
     "smallestSquareCoaxRatio = 1.001;",
     "smallestSquareCoaxRatio = 1.01;",
     "carree --exact refuses D/d between 1.001 and 1.01 (e.g. -d 1 -D 1.005) with "
     "\"D/d trop proche de 1 ... (1.001 au moins)\", contradicting its own message"),

    # --- square coax field (calc/square_coax_field.cpp) -------------------------------
    ("calc/square_coax_field.cpp",
     "row[0] = 0.5 * std::log1p(y * y) + logRatio_;",
     "row[0] = std::log1p(y * y) + logRatio_;",
     "the logarithmic term of the square coax's field is wrong (ln r² for ln r): "
     "carree --exact gives wrong impedances or \"Le calcul est impossible\""),

    # --- scaled decimals (calc/scaled_decimal.cpp) ------------------------------------
    ("calc/scaled_decimal.cpp",
     "if (text.size() <= static_cast<std::size_t>(decimals))",
     "if (text.size() < static_cast<std::size_t>(decimals))",
     "values below 1 lose their leading zero: a range 0.5:1:0.5 writes '.5', and an "
     "inverse answer of 0.5 mm is printed as 'd = .500 mm'"),

    # --- impedance model: decimals (calc/impedance_model.h) ---------------------------
    ("calc/impedance_model.h",
     "return exact_ ? 2 : 1;",
     "return exact_ ? 3 : 1;",
     "--exact results are shown with three decimals instead of two (carree --exact -d "
     "1 -D 2 no longer prints 46.10)"),

    # --- impedance model (calc/impedance_model.cpp) -----------------------------------
    ("calc/impedance_model.cpp",
     "return ohms / rootPermittivity_;",
     "return ohms / permittivity_;",
     "with --exact, --er divides the impedance by E instead of √E (ronde --exact --er "
     "2.1 -z 50 -d 1 no longer gives D = 3.348)"),
    ("calc/impedance_model.cpp",
     "decimalResultText(impedance * root / speedOfLight * 1e9, 1, \".\")",
     "decimalResultText(impedance / root / speedOfLight * 1e9, 1, \".\")",
     "--details: the inductance is divided by √E instead of multiplied (250.4 nH/m "
     "shows as 111.3 for ronde -d 1 -D 3.5 --er 2.25)"),

    # --- dimension search: steps (calc/dimension_search.*) ----------------------------
    ("calc/dimension_search.h",
     "largestStep = 100'000'000;",
     "largestStep = 10'000'000;",
     "inverse answers stop at 10 m: a dimension between 10000 and 100000 mm is refused "
     "(\"il faudrait D > 10000 mm\")"),
    ("calc/dimension_search.cpp",
     "        return *whole + 1;",
     "        return *whole;",
     "an inverse answer may be D = d: bifilaire -z 83.1 -d 2 answers D = 2.000 mm "
     "(touching wires) instead of a D above d"),

    # --- dimension search: handbook (calc/dimension_search.cpp) -----------------------
    ("calc/dimension_search.cpp",
     "decimalText((*hundredths + 5) / 10, 1)",
     "decimalText(*hundredths / 10, 1)",
     "the target is truncated instead of rounded to the tenth: '-z 49.96' searches for "
     "49.9 ohms and gives a different dimension (and a note naming 49.9)"),
    ("calc/dimension_search.cpp",
     "decimalText((*hundredths + 5) / 10, 1)",
     "decimalText((*hundredths + 4) / 10, 1)",
     "a target ending in 5 hundredths is rounded down: -z 50.05 looks for 50.0 instead "
     "of 50.1"),
    ("calc/dimension_search.cpp",
     "decimalResultText(lowest, 2, \".\")",
     "decimalResultText(lowest, 1, \".\")",
     "the too-low impedance message names '83.1 ohms pour D = d' instead of '83.08' "
     "(and '4.1' instead of '4.05' for the square line)"),
    ("calc/dimension_search.cpp",
     "if (exactSteps < smallestStep - 0.5)",
     "if (exactSteps < smallestStep)",
     "an exact inverse between 0.0005 and 0.001 mm is refused with 'il faudrait d < "
     "0.001 mm' instead of answering d = 0.001 mm"),
    ("calc/dimension_search.cpp",
     "return order(step) > 0; }, nearest) - 1;",
     "return order(step) > 0; }, nearest);",
     "the interval of steps showing the target takes one step too many: when no step "
     "shows the target the note 'aucun ... ne donne ... ohms' is missing and a step "
     "past the target is answered; otherwise a step that shows another value can be "
     "chosen"),
    ("calc/dimension_search.cpp",
     "solution.showsTarget ? std::clamp(nearest, first, last) : nearest;",
     "solution.showsTarget ? first : nearest;",
     "the inverse returns the lowest step that shows the target instead of the one "
     "nearest to the exact inverse: 'bifilaire -z 450 -d 2' gives D below 42.701"),

    # --- dimension search: ideal line (calc/dimension_search.cpp) ---------------------
    ("calc/dimension_search.cpp",
     "std::clamp(first - 1, lowest, highest); other != best",
     "std::clamp(first + 1, lowest, highest); other != best",
     "--exact -z compares with the wrong neighbouring step: whenever the step below is "
     "the nearer one the answer is one micrometre too large (and its impedance further "
     "from the target)"),

    # --- result text (calc/result_text.cpp) -------------------------------------------
    ("calc/result_text.cpp",
     "const double scaled = std::round(value * std::pow(10.0, decimals));",
     "const double scaled = std::trunc(value * std::pow(10.0, decimals));",
     "results are truncated instead of rounded: a value of 50.08 shows 50.0 instead of "
     "50.1 (window and tarvelle-calc, details too)"),
    ("calc/result_text.cpp",
     "std::round(value * std::pow(10.0, decimals))",
     "std::round(float(value) * float(std::pow(10.0, decimals)))",
     "tenths rounded in single precision"),
    ("calc/result_text.cpp",
     "std::round(value * std::pow(10.0, decimals))",
     "std::nearbyint(value * std::pow(10.0, decimals))",
     "an impedance exactly halfway between two tenths rounds to even instead of away "
     "from zero"),
    ("calc/result_text.cpp",
     "if (digits.size() <= fraction)",
     "if (digits.size() < fraction)",
     "an impedance below 1 ohm is shown as \",5\" without its leading 0"),
    ("calc/result_text.cpp",
     "digits.insert(0, fraction + 1 - digits.size(), '0');",
     "digits.insert(0, fraction - digits.size(), '0');",
     "results below 1 lose their leading zero: \"0.5\" is shown as \",5\" / \".5\" "
     "(also v/c and small --exact values)"),
    ("calc/result_text.cpp",
     "    if (scaled < 0.0)\n        text += '-';",
     "    if (value < 0.0)\n        text += '-';",
     "a tiny negative result that rounds to zero is shown as \"-0.0\" (e.g. round coax "
     "with D just below d) instead of \"0.0\""),
    ("calc/result_text.cpp",
     "text += decimalSeparator;",
     "text += std::string(decimalSeparator.substr(0, 0)) + '.';",
     "the locale's separator ignored"),

    # --- panels: New and Calculate (calc/line_panels.cpp) -----------------------------
    ("calc/line_panels.cpp",
     "case LinePanel::SquareCoax: return SquareCoaxLine{};",
     "case LinePanel::SquareCoax: return RoundCoaxLine{};",
     "the square-coax panel of the window computes with the round-coax formula (no "
     "1.07 factor): d 5, D 10 shows 41.5 instead of 45.6"),
    ("calc/line_panels.cpp",
     "    view_.setEntryEnabled(panel, elementLarge, true);\n",
     "",
     "New leaves the second entry locked"),
    ("calc/line_panels.cpp",
     "    view_.focusEntry(panel, elementSmall);\n    view_.setEntryText",
     "    view_.focusEntry(panel, elementLarge);\n    view_.setEntryText",
     "New puts the focus in the wrong entry"),
    ("calc/line_panels.cpp",
     "    view_.focusEntry(panel, elementSmall);\n    view_.setEntryText(panel, elementSmall, \"\");\n    view_.setEntryText(panel, elementLarge, \"\");\n    view_.setResultText(panel, \"\");",
     "    view_.setEntryText(panel, elementSmall, \"\");\n    view_.setEntryText(panel, elementLarge, \"\");\n    view_.setResultText(panel, \"\");\n    view_.focusEntry(panel, elementSmall);",
     "New empties the entries before moving the focus: a screen reader hears the "
     "emptying, not the entry's name"),
    ("calc/line_panels.cpp",
     "    view_.setResultText(panel, \"\");\n",
     "",
     "\"Nouveau !\" empties and unlocks the entries but leaves the previous impedance "
     "shown in the result box"),
    ("calc/line_panels.cpp",
     "if (smallEmpty || largeEmpty) {",
     "if (smallEmpty && largeEmpty) {",
     "with only one entry filled the box says \"Les valeurs ne doivent pas être égales "
     "à zéro !\" instead of \"Vous devez entrer des valeurs pour effectuer le calcul "
     "!\""),
    ("calc/line_panels.cpp",
     "smallZero || largeZero",
     "smallZero && largeZero",
     "one zero accepted"),
    ("calc/line_panels.cpp",
     "        view_.showErrorMessage(messages::errorTitle, messages::impossibleCalculation);\n",
     "",
     "an impossible calculation says nothing"),
    ("calc/line_panels.cpp",
     "void LinePanels::calcul3() { calcul(LinePanel::RoundCoax); }",
     "void LinePanels::calcul3() { calcul(LinePanel::SquareCoax); }",
     "the round coax computes the square one"),
    ("calc/line_panels.cpp",
     "const double D = numericValue(view_.entryText(panel, elementLarge));",
     "const double D = numericValue(view_.entryText(panel, elementSmall));",
     "d and D mixed up"),
    ("calc/line_panels.cpp",
     "lineOf(panel).handbookImpedance(d, D)",
     "lineOf(panel).handbookImpedance(D, d)",
     "d and D swapped: a normal line gives a negative impedance or an error"),
    ("calc/line_panels.cpp",
     "view_.setEntryEnabled(panel, elementLarge, false);",
     "view_.setEntryEnabled(panel, elementLarge, true);",
     "after \"Calculer !\" the D entry stays enabled and editable while d is locked"),
    ("calc/line_panels.cpp",
     "    view_.setEntryText(panel, elementLarge, \"\");\n    view_.focusEntry",
     "    view_.focusEntry",
     "a rejected panel keeps its second entry"),
    ("calc/line_panels.cpp",
     "    view_.setEntryText(panel, elementLarge, \"\");\n    view_.focusEntry(panel, elementSmall);\n}",
     "    view_.setEntryText(panel, elementLarge, \"\");\n}",
     "after an error box the focus stays on the Calculate button instead of returning "
     "to the d entry"),

    # --- messages (calc/messages.h) ---------------------------------------------------
    ("calc/messages.h",
     "errorTitle = \"Erreur !\"",
     "errorTitle = \"Erreur!\"",
     "error boxes titled \"Erreur!\" (the French space before ! is lost)"),
    ("calc/messages.h",
     "\"Les valeurs ne doivent pas être égales à zéro !\"",
     "\"Les valeurs ne doivent pas être égale à zéro !\"",
     "the zero-value message has a spelling slip (\"égale\"), in the window's box and "
     "in tarvelle-calc's diagnostic"),

    # --- the builder's numbers: a list written without reading the tests ---------------
    ('calc/builder_numbers.cpp',
     'constexpr double decibelsPerNeper = 20.0 / std::numbers::ln10;',
     'constexpr double decibelsPerNeper = 10.0 / std::numbers::ln10;',
     'with -f, every loss in dB/m (conductors, dielectric, total) is half what it should be (e.g. 0.006217 instead of 0.01243 dB/m for ronde -d 10 -D 23 -f 144); Q0 and skin depth unchanged'),
    ('calc/builder_numbers.cpp',
     'skinDepth > in.d / 20.0};',
     'skinDepth > in.d / 10.0};',
     "the note 'la profondeur de peau dépasse le dixième du rayon de d' only appears once the skin depth exceeds a fifth of the radius: e.g. ronde -d 1 -D 3 --details -f 1 (δ ≈ 66 µm) no longer warns"),
    ('calc/builder_numbers.cpp',
     'const double conductor = root * field.lossPerSurfaceResistance * surfaceResistance;',
     'const double conductor = field.lossPerSurfaceResistance * surfaceResistance / root;',
     'in a dielectric (--er > 1) with -f, the conductor loss is εr times too low (÷√εr instead of ×√εr), so total loss too low and Q0 too high; in air nothing changes'),
    ('calc/builder_numbers.cpp',
     'beta / (2.0 * (conductor + dielectric)),',
     'beta / (2.0 * conductor),',
     'Q0 of the λ/4 resonator ignores the dielectric: with --tand > 0 the Q0 shown is too high (e.g. ronde -d 10 -D 23 -f 144 --tand 0.001 gives ~1054 instead of ~513); unchanged with tand 0'),
    ('calc/builder_numbers.cpp',
     'std::sqrt(2.0 * oneKilowatt * numbers.impedance);',
     'std::sqrt(oneKilowatt * numbers.impedance);',
     "the peak field at 1 kW uses the RMS voltage: 'champ maximal à 1 kW' is √2 too low (0.05366 instead of 0.07589 kV/mm) and 'puissance de claquage' twice too high (3126 instead of 1563 kW)"),
    ('calc/physical_constants.h',
     'inline constexpr double vacuumPermeability = freeSpaceImpedance / speedOfLight;',
     'inline constexpr double vacuumPermeability = 1.25663706212e-7;',
     'μ0 ten times too small: the skin depth is √10 too large (17.4 instead of 5.507 µm at 144 MHz), the conductor losses √10 too small, Q0 too high, and the skin-depth note appears too early'),
    ('calc/two_wire_line.cpp',
     'const double loss = 1.0 / (std::numbers::pi * d * z) * x / root;',
     'const double loss = 1.0 / (std::numbers::pi * d * z) * root / x;',
     'two-wire conductor loss divided by the proximity factor instead of multiplied: too low, by ~25 % at D/d = 2 and ~0.2 % at D/d = 21 (0.001898 instead of 0.001902 dB/m for the 450 Ω example); Q0 too high'),
    ('calc/two_wire_line.cpp',
     'return {z, {-slope * x / d, slope / d}, peak, loss};',
     'return {z, {-slope * x / d, slope / D}, peak, loss};',
     "two-wire tolerance for D is D/d times too small ('0.3514 ohms pour 0.1 mm de D' becomes ~0.0165), also dz_dD_ohm_per_mm in JSON and the dZ/dD table column"),
    ('calc/round_coax_line.cpp',
     '(2.0 / d + 2.0 / D) / (2.0 * freeSpaceImpedance * logRatio)',
     '(1.0 / d + 1.0 / D) / (2.0 * freeSpaceImpedance * logRatio)',
     'round coax conductor loss uses diameters instead of radii: losses in dB/m halved (0.006217 instead of 0.01243 dB/m for ronde -d 10 -D 23 -f 144), Q0 doubled'),
    ('calc/round_coax_line.cpp',
     'return roundCoaxTe11Root(D / d) * speedOfLight / (std::numbers::pi * d);',
     'return roundCoaxTe11Root(D / d) * speedOfLight / (std::numbers::pi * D);',
     'round coax TE11 cutoff too low by the factor d/D (ronde -d 10 -D 23: ~2.567 GHz instead of 5.903 GHz), in text, table and te11_ghz'),
    ('calc/square_coax_line.cpp',
     'perRecession * wall / 2.0};',
     'perRecession * wall};',
     "square coax tolerance for D doubled ('0.2810 ohms pour 0.1 mm de D' becomes 0.5620), dz_dD in JSON and table too; loss and dZ/dd unchanged"),
    ('calc/square_coax_modes.cpp',
     'for (int i = 0; i < squareCoaxTe11Points; ++i) {',
     'for (int i = 0; i < squareCoaxTe11Points - 1; ++i) {',
     'the table interpolation leaves out the last Chebyshev point: square TE11 off by up to ~0.5 % (kc·D/2 1.2046 instead of 1.2024 at D/d = 2, 0.8141 instead of 0.8104 at 1.1); TE11 GHz figures change in the 3rd–4th digit'),
    ('calc/square_coax_modes.cpp',
     'jPrimeA[m] = j[n - 1] - n / (k * a_) * j[n];',
     'jPrimeA[m] = j[n - 1] + n / (k * a_) * j[n];',
     "the TE11 solver's J_n'(ka) has the wrong sign of its second term, so its terms no longer meet the Neumann condition on the rod: solveSquareCoaxTe11 disagrees with the table (and FEM); CLI output (from the table) unchanged"),
    ('calc/bessel_roots.cpp',
     'cyl_bessel_j_prime(1, ratio * x) / cyl_neumann_prime(1, ratio * x);',
     'cyl_bessel_j_prime(1, ratio * x) / boost::math::cyl_neumann(1, ratio * x);',
     "Y1 instead of Y1' at the outer wall: round coax TE11 cutoff wrong, grossly near D/d = 1 (kc·d/2 near 0.98 instead of 0.6773 at D/d = 2, so ronde -d 1 -D 2 shows ~94 instead of 64.64 GHz) and slightly at large D/d"),
    ('calc/impedance_model.cpp',
     'if (!(impedance > 0.0))',
     'if (impedance < 0.0)',
     "where the window's figure is exactly 0 (ronde -d 1 -D 1 --details, bifilaire -d 2 -D 1) the capacitance and inductance lines appear, with an infinite C (printed as garbage such as 'i.nf pF/m') and L = 0.0"),
]
