# Faults that a developer could plausibly introduce into cli/ of Tarvelle.
# Each entry: (path relative to the repository root, original text occurring exactly
# once in that file, replacement text, what a user of tarvelle-calc would see).

FAULTS = [
    # --- decimal ranges (cli/decimal_range.cpp) ---------------------------------------
    ("cli/decimal_range.cpp",
     "return digits > 0 && points <= 1",
     "return digits >= 0 && points <= 1",
     "a lone point ('-d .', or a range field '.:1:1') is taken as a number and "
     "answered with the zero-value message instead of '« . » n'est pas un nombre (des "
     "chiffres et au plus un point)'"),
    ("cli/decimal_range.cpp",
     "if (*last < *first)",
     "if (*last <= *first)",
     "a one-value range such as -D 5:5:1 is refused as 'donne 0 ligne : la fin est "
     "avant le début' instead of giving one row"),
    ("cli/decimal_range.cpp",
     "range.count = (*last - *first) / *increment + 1;",
     "range.count = (*last - *first) / *increment;",
     "ranges lose their last row: carree -d 5 -D 10:12:0.5 stops at 11.5, and a "
     "one-value range like 5:5:1 gives a table with a header and no rows"),

    # --- argument reading: exit status (cli/arguments.h) ------------------------------
    ("cli/arguments.h",
     "int status = 2;",
     "int status = 1;",
     "every refused command (unknown line, unknown option, bad value) exits with "
     "status 1 instead of 2"),

    # --- argument reading (cli/arguments.cpp) -----------------------------------------
    ("cli/arguments.cpp",
     "LineName{\"carrée\", SquareCoaxLine{}}",
     "LineName{\"carree\", SquareCoaxLine{}}",
     "the accented line name 'carrée' is refused as 'ligne inconnue' (only 'carree' "
     "and 'square' work)"),
    ("cli/arguments.cpp",
     "LineName{\"round\", RoundCoaxLine{}}",
     "LineName{\"round\", SquareCoaxLine{}}",
     "the English name 'round' computes the square coax formula: 'round -d 1 -D 10' "
     "prints 142.1 instead of 138.0, differing from 'ronde'"),
    ("cli/number_readers.cpp",
     "if (text.starts_with('-') && isPlainNumber(text.substr(1)))",
     "if (text.starts_with('-') && isPlainNumber(text))",
     "a negative value '-d -2' gives '« -2 » n'est pas un nombre ...' instead of 'les "
     "valeurs négatives sont refusées : -2'"),
    ("cli/number_readers.cpp",
     "if (range.first == 0)",
     "if (range.step == 0)",
     "a range starting at zero (-D 0:2:1) is accepted; its first row shows 'Le calcul "
     "est impossible avec ces valeurs !' and the run ends with status 1 instead of the "
     "zero-value refusal with status 2"),
    ("cli/number_readers.cpp",
     "    std::replace(withPoints.begin(), withPoints.end(), ',', '.');\n",
     "",
     "the decimal-comma diagnostic repeats the comma: \"utilisez le point décimal : "
     "1,5\" instead of \"1.5\""),
    ("cli/number_readers.cpp",
     "return \"utilisez le point décimal : \" + withPoints;",
     "return \"utilisez le point décimal : \" + std::string(text);",
     "a decimal comma '-d 2,5' is answered 'utilisez le point décimal : 2,5' (comma "
     "kept) instead of the corrected '2.5'"),
    ("cli/number_readers.cpp",
     "if (value < 1.0)",
     "if (value <= 1.0)",
     "--er 1 (air, the documented default) is refused with status 2 and \"la "
     "permittivité relative vaut au moins 1\""),
    ("cli/number_readers.cpp",
     "if (numericValue(text) == 0.0)",
     "if (text == \"0\")",
     "zero written otherwise ('0.0', '00', '0.') is accepted: instead of the window's "
     "zero message and status 2, a calculation is attempted and fails with status 1"),
    ("cli/arguments.cpp",
     "return (small && small->range) || (large && large->range) || (impedance && impedance->range);",
     "return (small && small->range) || (large && large->range);",
     "a range given to -z alone ('-z 40:60:10 -d 2') prints a single answer for 40 "
     "instead of a table"),
    ("cli/arguments.cpp",
     "? rest.substr(1) : rest;",
     "? rest : rest;",
     "--er=2.1 is refused: \"« =2.1 » n'est pas un nombre\", status 2 (only \"--er "
     "2.1\" works)"),
    ("cli/arguments.cpp",
     "if (!attached && i + 1 == words.size())",
     "if (i + 1 == words.size())",
     "a value glued to its option as the last word ('ronde -D 5 -d2') is refused with "
     "'l'option -d demande une valeur'"),
    ("cli/arguments.cpp",
     "return slot->has_value(); }) != 2)",
     "return slot->has_value(); }) < 2)",
     "giving all three of -d, -D and -z is accepted (the -D is silently ignored and an "
     "inverse answer printed) instead of 'donnez exactement deux des options'"),
    ("cli/arguments.cpp",
     "rows *= *slot ? (*slot)->count() : 1;",
     "rows = std::max(rows, *slot ? (*slot)->count() : 1);",
     "two ranges whose product exceeds 10 million rows (e.g. 4000 x 4000) are no "
     "longer refused with the row count; the huge table is written"),

    # --- main (cli/main.cpp) ----------------------------------------------------------
    ("cli/main.cpp",
     "report(stderr, error->message);",
     "report(stdout, error->message);",
     "a refused command writes its 'tarvelle-calc : ...' message on stdout instead of "
     "stderr"),
    ("cli/main.cpp",
     "std::fprintf(stderr, \"Essayez « %s --help » pour plus d'informations.\\n\", programName);",
     "std::fprintf(stdout, \"Essayez « %s --help » pour plus d'informations.\\n\", programName);",
     "a refused command writes its \"Essayez ... --help\" line on standard output "
     "instead of the error output"),
    ("cli/main.cpp",
     "std::setlocale(LC_ALL, \"\") != nullptr",
     "std::setlocale(LC_CTYPE, \"\") != nullptr",
     "--locale under a French locale still writes the point (41.5) instead of the "
     "comma (41,5)"),
    ("cli/main.cpp",
     "std::strerror(error));\n        return 1;",
     "std::strerror(error));\n        return status;",
     "a write error (e.g. > /dev/full) is reported but the exit status stays 0"),

    # --- option table (cli/options.cpp) ---------------------------------------------------
    ("cli/options.cpp",
     "    Option{\"--details\", \"\", &Request::details,",
     "    // Option{\"--details\", \"\", &Request::details,",
     "a row left out of the option table: --help no longer lists --details, and "
     "'ronde -d 1 -D 2 --details' is refused as an unknown option"),

    # --- running (cli/run.cpp) --------------------------------------------------------
    ("cli/run.cpp",
     "if (!model.exact() && large <= firstValue)",
     "if (!model.exact() && large < firstValue)",
     "D = d (touching conductors) prints the figure without the \"D ≤ d ... n'a pas de "
     "sens physique\" note on stderr"),
    ("cli/run.cpp",
     "const auto point = text.find('.');",
     "const auto point = text.find(',');",
     "with --locale in a French locale the inverse answer mixes separators: 'D = "
     "42.701 mm (450,0 ohms)' instead of 'D = 42,701 mm (450,0 ohms)'"),
    ("cli/run.cpp",
     "report(err, outcome.note);",
     "report(out, outcome.note);",
     "a single answer's note ('D ≤ d ... n'a pas de sens physique', 'aucun D au "
     "micromètre ne donne ...', 'impédance trop faible ...') is written on stdout, "
     "mixed with the result, instead of stderr"),
    ("cli/run.cpp",
     "capacité : %s pF/m",
     "capacité : %s nF/m",
     "--details labels the capacitance in nF/m although the figure is in pF/m"),
    ("cli/run.cpp",
     "const bool foundFirst = request.impedance && freeDimension(request) == Dimension::Small;",
     "const bool foundFirst = request.impedance && freeDimension(request) == Dimension::Large;",
     "inverse tables put their values in the wrong columns: with -z and -d the found D "
     "lands under 'd (mm)' and the given d under 'D (mm)' (and the other way round "
     "with -D)"),
    ("cli/run.cpp",
     "TableWriter table(out, request.csv ? ',' : '\\t', request.details);",
     "TableWriter table(out, request.csv ? ';' : '\\t', request.details);",
     "--csv separates the columns with semicolons instead of commas"),
    ("cli/run.cpp",
     "status = outcome.impedance ? status : 1;",
     "status = outcome.impedance ? 0 : 1;",
     "a table whose failing rows are not the last one ends with status 0 instead of 1; "
     "only the last row decides"),

    # --- tables (cli/table_writer.cpp) ------------------------------------------------
    ("cli/table_writer.cpp",
     "    pending_.reserve(blockSize + 256);\n    row(\"d (mm)\", \"D (mm)\", \"Z (ohms)\", {\"v/c\", \"C (pF/m)\", \"L (nH/m)\"});\n",
     "    pending_.reserve(blockSize + 256);\n",
     "tables have no header line (d (mm), D (mm), Z (ohms)); the first line is already "
     "a data row"),
    ("cli/table_writer.cpp",
     "TableWriter::~TableWriter()\n{\n    std::fwrite(pending_.data(), 1, pending_.size(), out_);\n}",
     "TableWriter::~TableWriter()\n{\n}",
     "the last block of a table is never written: small tables print nothing at all, "
     "large ones lose their last rows"),

    # --- bash completion (cli/tarvelle-calc.bash) -------------------------------------
    ("cli/tarvelle-calc.bash",
     "case $prev in -d | -D | -z | --er) return 0 ;; esac",
     "case $prev in -d | -z | --er) return 0 ;; esac",
     "after '-D ' the completion offers line names and options where a number is "
     "expected"),
    ("cli/tarvelle-calc.bash",
     "local options=\"-d -D -z --exact --er --details --csv --locale --help --version\"",
     "local options=\"-d -D -z --exact --er --csv --locale --help --version\"",
     "bash completion no longer offers --details"),
    ("cli/tarvelle-calc.bash",
     "local lines=\"bifilaire carree carrée ronde two-wire square round\" word",
     "local lines=\"bifilaire carree ronde two-wire square round\" word",
     "the completion no longer offers the accented line name 'carrée'"),

    # --- installation (cli/CMakeLists.txt) --------------------------------------------
    ("cli/CMakeLists.txt",
     "        RENAME tarvelle-calc)",
     "        RENAME tarvelle-calc.bash)",
     "the completion is installed as completions/tarvelle-calc.bash: bash-completion "
     "does not load it for tarvelle-calc"),
]
