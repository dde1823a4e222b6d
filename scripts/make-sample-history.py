#!/usr/bin/env python3
"""Writes a made-up history of answers, to look at the progress window.

A pupil practises on most days of the last few weeks, mostly the tables 2 to
9, and gets better and quicker at the facts they meet often. The file has the
format of sys/history.txt: Windows-1252, CR LF, tab-separated columns.

Usage: scripts/make-sample-history.py FILE [--weeks N] [--answers-per-day N] [--seed N]
"""

import argparse
import datetime
import math
import random

HEADER = "date\ttime\ttable\tmultiplicator\tsign\tanswer\tverdict\tms"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("file")
    parser.add_argument("--weeks", type=int, default=5)
    parser.add_argument("--answers-per-day", type=int, default=60)
    parser.add_argument("--seed", type=int, default=7)
    args = parser.parse_args()

    rng = random.Random(args.seed)
    tables = [2, 3, 4, 5, 6, 7, 8, 9] + [10, 11, 12] * (args.weeks > 3)
    # How well each fact is known, 0 to 1; the small tables start better.
    skill = {(t, m): max(0.05, 0.9 - 0.08 * max(t, m) + rng.uniform(-0.1, 0.1))
             for t in range(1, 13) for m in range(1, 13)}
    today = datetime.date.today()
    lines = [HEADER]
    for day in range(args.weeks * 7 - 1, -1, -1):
        date = today - datetime.timedelta(days=day)
        if rng.random() < 0.3:
            continue  # a day off
        moment = datetime.datetime.combine(date, datetime.time(16, 0))
        moment += datetime.timedelta(minutes=rng.randint(0, 180))
        for _ in range(rng.randint(args.answers_per_day // 2, args.answers_per_day * 3 // 2)):
            table, multiplicator = rng.choice(tables), rng.randint(1, 12)
            divide = rng.random() < 0.35
            level = skill[(table, multiplicator)] * (0.85 if divide else 1)
            right = rng.random() < 0.35 + 0.65 * level
            ms = int(1000 * math.exp(rng.gauss(1.6 - 1.3 * level, 0.35)))
            expected = multiplicator if divide else table * multiplicator
            if ms > 10000:
                verdict, answer, ms = "time-up", "00", 10000
            elif right:
                verdict, answer = "right", str(expected)
            else:
                verdict, answer = "wrong", str(expected + rng.choice([-1, 1]) * rng.randint(1, 3))
            lines.append("\t".join([moment.strftime("%Y-%m-%d"), moment.strftime("%H:%M:%S"),
                                    str(table), str(multiplicator), "\u00f7" if divide else "x",
                                    answer, verdict, str(ms)]))
            moment += datetime.timedelta(milliseconds=ms + 1500)
            skill[(table, multiplicator)] = min(1.0, skill[(table, multiplicator)] + 0.04)
    with open(args.file, "wb") as out:
        out.write("".join(line + "\r\n" for line in lines).encode("cp1252"))


if __name__ == "__main__":
    main()
