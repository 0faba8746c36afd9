# Faults that a developer could plausibly introduce into cli/ of Tarvelle.
# Each entry: (path relative to the repository root, original text occurring exactly
# once in that file, replacement text, what a user of tarvelle-calc would see).

FAULTS = [
    # --- decimal ranges -------------------------------------------------------------
    ("cli/decimal_range.cpp",
     "range.count = (*last - *first) / *increment + 1;",
     "range.count = (*last - *first) / *increment;",
     "ranges lose their last row: carree -d 5 -D 10:12:0.5 stops at 11.5, and a "
     "one-value range like 5:5:1 gives a table with a header and no rows"),
    ("cli/decimal_range.cpp",
     "if (*last < *first)",
     "if (*last <= *first)",
     "a one-value range such as -D 5:5:1 is refused as 'donne 0 ligne : la fin est "
     "avant le début' instead of giving one row"),
    ("cli/decimal_range.cpp",
     "if (text.size() <= static_cast<std::size_t>(decimals))",
     "if (text.size() < static_cast<std::size_t>(decimals))",
     "values below 1 lose their leading zero: a range 0.5:1:0.5 writes '.5', and an "
     "inverse answer of 0.5 mm is printed as 'd = .500 mm'"),
    ("cli/decimal_range.cpp",
     "return digits > 0 && points <= 1",
     "return digits >= 0 && points <= 1",
     "a lone point ('-d .', or a range field '.:1:1') is taken as a number and "
     "answered with the zero-value message instead of "
     "'« . » n'est pas un nombre (des chiffres et au plus un point)'"),

    # --- argument reading -----------------------------------------------------------
    ("cli/arguments.cpp",
     "rows *= *slot ? (*slot)->count() : 1;",
     "rows = std::max(rows, *slot ? (*slot)->count() : 1);",
     "two ranges whose product exceeds 10 million rows (e.g. 4000 x 4000) are no "
     "longer refused with the row count; the huge table is written"),
    ("cli/arguments.cpp",
     "if (text.starts_with('-') && isPlainNumber(text.substr(1)))",
     "if (text.starts_with('-') && isPlainNumber(text))",
     "a negative value '-d -2' gives '« -2 » n'est pas un nombre ...' instead of "
     "'les valeurs négatives sont refusées : -2'"),
    ("cli/arguments.cpp",
     "return \"utilisez le point décimal : \" + withPoints;",
     "return \"utilisez le point décimal : \" + std::string(text);",
     "a decimal comma '-d 2,5' is answered 'utilisez le point décimal : 2,5' (comma "
     "kept) instead of the corrected '2.5'"),
    ("cli/arguments.cpp",
     "if (numericValue(text) == 0.0)",
     "if (text == \"0\")",
     "zero written otherwise ('0.0', '00', '0.') is accepted: instead of the window's "
     "zero message and status 2, a calculation is attempted and fails with status 1"),
    ("cli/arguments.cpp",
     "if (range.first == 0)",
     "if (range.step == 0)",
     "a range starting at zero (-D 0:2:1) is accepted; its first row shows "
     "'Le calcul est impossible avec ces valeurs !' and the run ends with status 1 "
     "instead of the zero-value refusal with status 2"),
    ("cli/arguments.cpp",
     "LineName{\"carrée\", &squareCoaxFormula, squareCoax}",
     "LineName{\"carree\", &squareCoaxFormula, squareCoax}",
     "the accented line name 'carrée' is refused as 'ligne inconnue' (only 'carree' "
     "and 'square' work)"),
    ("cli/arguments.cpp",
     "LineName{\"round\", &roundCoaxFormula, roundCoax}",
     "LineName{\"round\", &squareCoaxFormula, roundCoax}",
     "the English name 'round' computes the square coax formula: 'round -d 1 -D 10' "
     "prints 142.1 instead of 138.0, differing from 'ronde'"),
    ("cli/arguments.cpp",
     "if (word.size() == 2 && i + 1 == words.size())",
     "if (i + 1 == words.size())",
     "a value glued to its option as the last word ('ronde -D 5 -d2') is refused "
     "with 'l'option -d demande une valeur'"),
    ("cli/arguments.cpp",
     "return slot->has_value(); }) != 2)",
     "return slot->has_value(); }) < 2)",
     "giving all three of -d, -D and -z is accepted (the -D is silently ignored "
     "and an inverse answer printed) instead of 'donnez exactement deux des options'"),
    ("cli/arguments.cpp",
     "return (small && small->range) || (large && large->range) || (impedance && impedance->range);",
     "return (small && small->range) || (large && large->range);",
     "a range given to -z alone ('-z 40:60:10 -d 2') prints a single answer for 40 "
     "instead of a table"),
    ("cli/arguments.h",
     "int status = 2;",
     "int status = 1;",
     "refused commands (unknown option, bad value, ...) exit with status 1 instead "
     "of 2"),

    # --- main -----------------------------------------------------------------------
    ("cli/main.cpp",
     "report(stderr, error->message);",
     "report(stdout, error->message);",
     "a refused command writes its 'tarvelle-calc : ...' message on stdout instead "
     "of stderr"),

    # --- running and tables ---------------------------------------------------------
    ("cli/run.cpp",
     "const auto point = text.find('.');",
     "const auto point = text.find(',');",
     "with --locale in a French locale the inverse answer mixes separators: "
     "'D = 42.701 mm (450,0 ohms)' instead of 'D = 42,701 mm (450,0 ohms)'"),
    ("cli/run.cpp",
     "TableWriter table(out, request.csv ? ',' : '\\t', request.details);",
     "TableWriter table(out, request.csv ? ';' : '\\t', request.details);",
     "--csv separates the columns with semicolons instead of commas"),
    ("cli/run.cpp",
     "const bool foundFirst = request.impedance && freeDimension(request) == Dimension::Small;",
     "const bool foundFirst = request.impedance && freeDimension(request) == Dimension::Large;",
     "inverse tables put their values in the wrong columns: with -z and -d the found "
     "D lands under 'd (mm)' and the given d under 'D (mm)' (and the other way round "
     "with -D)"),
    ("cli/run.cpp",
     "status = outcome.impedance ? status : 1;",
     "status = outcome.impedance ? 0 : 1;",
     "a table whose failing rows are not the last one ends with status 0 instead of "
     "1; only the last row decides"),
    ("cli/run.cpp",
     "report(err, outcome.note);",
     "report(out, outcome.note);",
     "a single answer's note or refusal ('aucun D au micromètre ne donne ...', "
     "'impédance trop faible ...') is written on stdout instead of stderr"),
    ("cli/table_writer.cpp",
     "    pending_.reserve(blockSize + 256);\n    row(\"d (mm)\", \"D (mm)\", \"Z (ohms)\", {\"v/c\", \"C (pF/m)\", \"L (nH/m)\"});\n",
     "    pending_.reserve(blockSize + 256);\n",
     "tables have no header line (d (mm), D (mm), Z (ohms)); the first line is already "
     "a data row"),

    # --- inverse ----------------------------------------------------------------------
    ("cli/inverse.cpp",
     "decimalText((*hundredths + 5) / 10, 1)",
     "decimalText(*hundredths / 10, 1)",
     "the target is truncated instead of rounded to the tenth: '-z 49.96' searches "
     "for 49.9 ohms and gives a different dimension (and a note naming 49.9)"),
    ("cli/inverse.cpp",
     "solution.showsTarget ? std::clamp(nearest, first, last) : nearest;",
     "solution.showsTarget ? first : nearest;",
     "the inverse returns the lowest step that shows the target instead of the one "
     "nearest to the exact inverse: 'bifilaire -z 450 -d 2' gives D below 42.701"),
    ("cli/inverse.cpp",
     "return order(step) > 0; }, nearest) - 1;",
     "return order(step) > 0; }, nearest);",
     "the interval of steps showing the target takes one step too many: when no "
     "step shows the target the note 'aucun ... ne donne ... ohms' is missing and a "
     "step past the target is answered; otherwise a step that shows another value "
     "can be chosen"),
    ("cli/inverse.cpp",
     "if (exactSteps < smallestStep - 0.5)",
     "if (exactSteps < smallestStep)",
     "an exact inverse between 0.0005 and 0.001 mm is refused with 'il faudrait d < "
     "0.001 mm' instead of answering d = 0.001 mm"),
    ("cli/inverse.cpp",
     "decimalResultText(lowest, 2, \".\")",
     "decimalResultText(lowest, 1, \".\")",
     "the too-low impedance message names '83.1 ohms pour D = d' instead of '83.08' "
     "(and '4.1' instead of '4.05' for the square line)"),

    # --- bash completion --------------------------------------------------------------
    ("cli/tarvelle-calc.bash",
     "case $prev in -d | -D | -z | --er) return 0 ;; esac",
     "case $prev in -d | -z | --er) return 0 ;; esac",
     "after '-D ' the completion offers line names and options where a number is "
     "expected"),
    ("cli/tarvelle-calc.bash",
     'local lines="bifilaire carree carrée ronde two-wire square round" word',
     'local lines="bifilaire carree ronde two-wire square round" word',
     "the completion no longer offers the accented line name 'carrée'"),
]
