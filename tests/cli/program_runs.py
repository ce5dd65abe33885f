"""What the command-line checks share: running the program and gathering what went wrong."""
import subprocess

# Each check appends what it found wrong; the script fails when any is here at the end.
failures = []


def run(program, *args, cwd):
    """The program's standard output; a run that fails is a failure of its own."""
    result = subprocess.run([program, *args], capture_output=True, text=True, cwd=cwd)
    if result.returncode != 0:
        failures.append(f"{' '.join(args)}: exit {result.returncode}: {result.stderr}")
    return result.stdout
