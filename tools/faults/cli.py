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
     "LineName{\"carrée\", SquareCoaxLine{}",
     "LineName{\"carree\", SquareCoaxLine{}",
     "the accented line name 'carrée' is refused as 'ligne inconnue' (only 'carree' "
     "and 'square' work)"),
    ("cli/arguments.cpp",
     "LineName{\"round\", RoundCoaxLine{}",
     "LineName{\"round\", SquareCoaxLine{}",
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
     "const bool foundFirst = request.impedance && freeDimension(request) == Dimension::Small;\n    int status = 0;\n    TableWriter",
     "const bool foundFirst = request.impedance && freeDimension(request) == Dimension::Large;\n    int status = 0;\n    TableWriter",
     "inverse tables put their values in the wrong columns: with -z and -d the found D "
     "lands under 'd (mm)' and the given d under 'D (mm)' (and the other way round "
     "with -D)"),
    ("cli/run.cpp",
     "TableWriter table(out, request.csv ? ',' : '\\t', request.details,",
     "TableWriter table(out, request.csv ? ';' : '\\t', request.details,",
     "--csv separates the columns with semicolons instead of commas"),
    ("cli/run.cpp",
     "status = outcome.impedance ? status : 1;",
     "status = outcome.impedance ? 0 : 1;",
     "a table whose failing rows are not the last one ends with status 0 instead of 1; "
     "only the last row decides"),

    # --- tables (cli/table_writer.cpp) ------------------------------------------------
    ("cli/table_writer.cpp",
     "    pending_.reserve(blockSize + 256);\n    row(\"d (mm)\", \"D (mm)\", \"Z (ohms)\", {\"v/c\", \"C (pF/m)\", \"L (nH/m)\"}, extraHeaders);\n",
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
     "    -d | -D | -z | --er | --sigma | --tand | --breakdown) return 0 ;;",
     "    -d | -z | --er | --sigma | --tand | --breakdown) return 0 ;;",
     "after '-D ' the completion offers line names and options where a number is "
     "expected"),
    ("cli/tarvelle-calc.bash",
     "local options=\"-d -D -z --exact --er --details -f --metal --sigma --tand --breakdown --json --csv --locale --help --version\"",
     "local options=\"-d -D -z --exact --er -f --metal --sigma --tand --breakdown --json --csv --locale --help --version\"",
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

    # --- the builder's numbers: a list written without reading the tests ---------------
    ('cli/builder_lines.cpp',
     'in.breakdownField = request.breakdownField * 1e6;',
     'in.breakdownField = request.breakdownField * 1e3;',
     "kV/mm taken as 1e3 V/m: 'puissance de claquage' (and breakdown_power_kw, P max column) a million times too small (0.001563 kW instead of 1563 kW); peak field unchanged"),
    ('cli/builder_lines.cpp',
     'print("TE11", *cutoff / std::sqrt(in.permittivity) / 1e9, "GHz");',
     'print("TE11", *cutoff / in.permittivity / 1e9, "GHz");',
     'in the single-case text with --er E, TE11 is divided by E instead of √E (ronde --er 2.25 -d 1 -D 3.5: 19.39 instead of 29.08 GHz); the table column and JSON stay right'),
    ('cli/builder_lines.cpp',
     'figure(numbers.slopes.perSmall * 1e-4, ".")',
     'figure(numbers.slopes.perSmall * 1e-3, ".")',
     "in tables, the 'dZ/dd (ohms/0.1 mm)' column is ten times too large (per mm, not per 0.1 mm); the text 'tolérance' line and JSON stay right"),
    ('cli/builder_lines.cpp',
     '    if (value == 0.0)\n        return "0";\n    const int magnitude',
     '    const int magnitude',
     "a zero figure is written '0.000' instead of '0': 'pertes du diélectrique : 0.000 dB/m' without --tand, and a 0.000 cell in the 'pertes d.' table column"),
    ('cli/builder_lines.cpp',
     'report(err, "la profondeur de peau',
     'report(out, "la profondeur de peau',
     "the skin-depth note 'tarvelle-calc : la profondeur de peau dépasse …' goes to standard output, mixed into the results, instead of standard error"),
    ('cli/builder_lines.cpp',
     'print("Q0 d\'un résonateur λ/4", loss.quarterWaveQ, "");',
     'print("Q0 d\'un résonateur λ/2", loss.quarterWaveQ, "");',
     "the Q0 line reads 'Q0 d'un résonateur λ/2 : 1054' instead of 'Q0 d'un résonateur λ/4 : 1054'"),
    ('cli/json_case.cpp',
     'object.add("dz_dD_ohm_per_mm",',
     'object.add("dz_dd_ohm_per_mm",',
     'the JSON object has the key dz_dd_ohm_per_mm twice and no dz_dD_ohm_per_mm; a parser keeps the last, so dz_dd reads the D slope (e.g. 2.607 instead of -5.996)'),
    ('cli/json_case.cpp',
     'if (!value || !std::isfinite(*value)) {',
     'if (!value) {',
     'a non-finite number is written bare instead of null: carree -d 1 -D 1.05 --details --json gives "te11_ghz": nan, which is not valid JSON'),
    ('cli/number_readers.cpp',
     'if (value >= 1.0)',
     'if (value > 1.0)',
     "--tand 1 is accepted (status 0, Q0 and losses computed) instead of refused with 'la tangente de pertes est inférieure à 1 : --tand 1' and status 2"),
    ('cli/number_readers.cpp',
     '{"cuivre", "copper", 58.0}',
     '{"cuivre", "copper", 59.6}',
     '--metal cuivre (or copper) uses 59.6 MS/m instead of 58.0: skin depth and conductor loss ~1.4 % lower (5.433 instead of 5.507 µm at 144 MHz) than with the default copper or --sigma 58'),
    ('cli/options.cpp',
     'NumberField{&Request::lossTangent, readLossTangent}',
     'NumberField{&Request::lossTangent, readPositive}',
     '--tand 0 is refused as a zero value (status 2), and --tand 1 or 2 is accepted instead of refused'),
    ('cli/run.cpp',
     'if (D / d >= request.line->smallestIdealRatio() && D > d)',
     'if (D / d > request.line->smallestIdealRatio() && D > d)',
     "at the square line's smallest ratio exactly (carree -d 1 -D 1.001 --details) the builder's numbers (TE11 line, champ maximal, puissance de claquage, tolérance) are left out"),
    ('cli/run.cpp',
     'foundSmall ? first.typed : outcome.found);',
     'foundSmall ? outcome.found : first.typed);',
     "with -z and --details (e.g. ronde -z 50 -d 6 --details -f 100) the builder's numbers never appear: D is taken equal to d, so the line looks like touching conductors"),
    ('cli/arguments.cpp',
     'if (took("--metal") && took("--sigma"))',
     'if (took("--metal") && took("-sigma"))',
     "--metal argent --sigma 30 is accepted (the later option wins) instead of refused with '--metal et --sigma donnent tous deux la conductivité : l'un ou l'autre' and status 2"),
    ('cli/arguments.cpp',
     'if (request.json && (request.csv || request.localeSeparator))',
     'if (request.json && (request.csv && request.localeSeparator))',
     "--json with --csv alone (or --locale alone) is accepted and writes JSON, instead of refused with '--json ne va pas avec --csv' and status 2; only both together are refused"),
]
