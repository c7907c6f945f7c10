"""Prints the hints of an appstream-generator run, one line each:
"<severity> <tag> <component>", the severity as hint-definitions.json gives
it ("unknown" where it has none).
  asgen_hints.py <Hints-<arch>.json> <hint-definitions.json>
"""
import json
import sys

with open(sys.argv[1]) as f:
    packages = json.load(f)
with open(sys.argv[2]) as f:
    definitions = json.load(f)
for package in packages:
    for component, hints in package["hints"].items():
        for hint in hints:
            severity = definitions.get(hint["tag"], {}).get("severity", "unknown")
            print(severity, hint["tag"], component)
