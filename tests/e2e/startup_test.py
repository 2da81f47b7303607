"""Start-up under the systems the test bed can play: the tool asks WMIC only where it
must, never runs a program planted beside it or in the current folder, and ends with 0."""

import argparse
import sys
from pathlib import Path

from harness import Failures, Scenario

# name: (settings for wine-run, how many WMIC queries the start makes)
SCENARIOS = {
    "win7": ({"KELVANE_WINDOWS_VERSION": "win7", "KELVANE_WMIC": "win11"}, 0),
    "win10_wmic11": ({"KELVANE_WINDOWS_VERSION": "win10", "KELVANE_WMIC": "win11"}, 1),
    "win10_wmic10": ({"KELVANE_WINDOWS_VERSION": "win10", "KELVANE_WMIC": "win10"}, 1),
    "win11_nowmic": ({"KELVANE_WINDOWS_VERSION": "10.0.22631", "KELVANE_WMIC": "absent"}, 0),
}


def main() -> None:
    parser = argparse.ArgumentParser()
    parser.add_argument("--build-dir", type=Path, required=True)
    parser.add_argument("scenario", choices=sorted(SCENARIOS))
    args = parser.parse_args()
    settings, queries = SCENARIOS[args.scenario]

    scenario = Scenario("startup-" + args.scenario, args.build_dir)
    scenario.plant(scenario.tool_dir)
    scenario.plant(scenario.cwd)
    before = scenario.files()

    failures = Failures()
    code = scenario.run(**settings)
    failures.check(code == 0, f"exit code {code}, expected 0")
    wmic = scenario.calls("wmic")
    failures.check(len(wmic) == queries, f"{len(wmic)} WMIC queries, expected {queries}")
    for call in wmic:
        failures.check("OS List status" in call[1], f"WMIC asked {call[1]!r}")
        failures.check(call[2].lower() == "cwd=c:\\windows\\system32",
                       f"WMIC started in {call[2]!r}, not the system folder")
    planted = scenario.calls("planted")
    failures.check(not planted, f"planted programs ran: {planted}")
    failures.check(scenario.files() == before, f"tool folder changed: {scenario.files()}")
    failures.finish()


if __name__ == "__main__":
    sys.path.insert(0, str(Path(__file__).parent))
    main()
