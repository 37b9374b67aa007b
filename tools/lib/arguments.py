"""How the Python scripts under tools/ read their arguments."""
import pathlib
import sys


def optional_folder(arguments, usage):
    """The one folder a script may be given, or None. Answers -h or --help with the usage and exit
    status 0; ends with the usage on standard error and status 2 for any other option, as a folder
    whose name begins with "-" is written "./-name", and for more than one argument."""
    if "-h" in arguments or "--help" in arguments:
        print(usage)
        sys.exit(0)
    options = [argument for argument in arguments if argument.startswith("-")]
    if options:
        print(f"{pathlib.Path(sys.argv[0]).name}: unknown option \"{options[0]}\"; write a folder "
              f"whose name begins with \"-\" as \"./{options[0]}\".\n", file=sys.stderr)
    if options or len(arguments) > 1:
        print(usage, file=sys.stderr)
        sys.exit(2)
    return arguments[0] if arguments else None
