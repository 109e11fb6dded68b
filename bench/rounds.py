#!/usr/bin/env python3
"""Times whole processes side by side, in rounds: every round runs each command
once, in a turning order, so a machine that speeds up or slows down during the
run moves every command alike and the ratios between them stay true. A run of
all the first command's times before the next command's (as hyperfine does)
puts the drift into the ratios.

Takes the hyperfine options the bench scripts use and writes the same JSON:
  rounds.py [--warmup N] [--runs N] --export-json FILE (-n NAME [--prepare CMD] COMMAND)...
Each COMMAND is split into words as a shell would, and run without a shell;
a --prepare command runs through sh before each run, untimed."""
import json
import os
import shlex
import shutil
import statistics
import subprocess
import sys
import time


def parse(argv):
    options = {"warmup": 0, "runs": 10, "export": None}
    commands, pending = [], {}
    i = 0
    while i < len(argv):
        arg = argv[i]
        if arg in ("-w", "--warmup"):
            options["warmup"] = int(argv[i + 1]); i += 2
        elif arg in ("-r", "--runs"):
            options["runs"] = int(argv[i + 1]); i += 2
        elif arg == "--export-json":
            options["export"] = argv[i + 1]; i += 2
        elif arg in ("-n", "--command-name"):
            pending["name"] = argv[i + 1]; i += 2
        elif arg == "--prepare":
            pending["prepare"] = argv[i + 1]; i += 2
        elif arg == "-N":
            i += 1
        else:
            commands.append({"name": pending.get("name", arg), "prepare": pending.get("prepare"),
                             "words": shlex.split(arg), "times": [], "user": [], "system": []})
            pending = {}
            i += 1
    if not commands or not options["export"]:
        sys.exit(__doc__)
    return options, commands


def run_once(command):
    if command["prepare"]:
        subprocess.run(["sh", "-c", command["prepare"]], check=True)
    with open(os.devnull, "wb") as null:
        start = time.perf_counter()
        pid = os.posix_spawn(command["words"][0], command["words"], os.environ,
                             file_actions=[(os.POSIX_SPAWN_DUP2, null.fileno(), 1),
                                           (os.POSIX_SPAWN_DUP2, null.fileno(), 2)])
        _, status, usage = os.wait4(pid, 0)
        wall = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{command['name']}: exit status {os.waitstatus_to_exitcode(status)}")
    return wall, usage.ru_utime, usage.ru_stime


def main():
    options, commands = parse(sys.argv[1:])
    for command in commands:
        program = shutil.which(command["words"][0])
        if not program:
            sys.exit(f"{command['words'][0]}: not found")
        command["words"][0] = program
    for _ in range(options["warmup"]):
        for command in commands:
            run_once(command)
    for round_number in range(options["runs"]):
        turn = round_number % len(commands)
        for command in commands[turn:] + commands[:turn]:
            wall, user, system = run_once(command)
            command["times"].append(wall)
            command["user"].append(user)
            command["system"].append(system)
    results = [{"command": c["name"], "median": statistics.median(c["times"]), "mean": statistics.mean(c["times"]),
                "user": statistics.mean(c["user"]), "system": statistics.mean(c["system"]), "times": c["times"]}
               for c in commands]
    with open(options["export"], "w") as out:
        json.dump({"results": results}, out)


if __name__ == "__main__":
    main()
