"""Checks for whole-process tests: a failed one is noted and printed and the test goes
on, so one run reports every fault it finds; the script exits 1 when `failures` holds any."""

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)
    return condition
