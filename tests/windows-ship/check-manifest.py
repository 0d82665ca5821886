#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Reads Vindel's application manifest as Windows will.

Windows ignores an element of a manifest that it finds under another XML
namespace than its own, silently; wine makes every process DPI-aware and
asks for no rights, so a misplaced setting would pass unseen under wine.
This check names each setting by the namespace Windows looks in.

    check-manifest.py Vindel.manifest
"""
import sys
import xml.etree.ElementTree as ElementTree

ASM_V1 = "{urn:schemas-microsoft-com:asm.v1}"
ASM_V3 = "{urn:schemas-microsoft-com:asm.v3}"
COMPATIBILITY = "{urn:schemas-microsoft-com:compatibility.v1}"
SETTINGS_2005 = "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}"
SETTINGS_2016 = "{http://schemas.microsoft.com/SMI/2016/WindowsSettings}"
WINDOWS_7 = "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"
WINDOWS_10 = "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"


def check(root):
    failures = []

    def expect(condition, what):
        if not condition:
            failures.append(what)

    expect(root.tag == ASM_V1 + "assembly", "the root is not asm.v1's assembly")
    controls = [
        identity.attrib
        for identity in root.iterfind(
            f"{ASM_V1}dependency/{ASM_V1}dependentAssembly/{ASM_V1}assemblyIdentity")
        if identity.get("name") == "Microsoft.Windows.Common-Controls"
    ]
    expect(len(controls) == 1, "no dependency on the common controls")
    if controls:
        expect(controls[0].get("version") == "6.0.0.0", "common controls not version 6")
        expect(controls[0].get("publicKeyToken") == "6595b64144ccf1df",
               "wrong public key token for the common controls")

    level = root.find(f"{ASM_V3}trustInfo/{ASM_V3}security/{ASM_V3}requestedPrivileges/"
                      f"{ASM_V3}requestedExecutionLevel")
    expect(level is not None and level.get("level") == "asInvoker", "no asInvoker execution level")

    systems = {os.get("Id") for os in root.iterfind(
        f"{COMPATIBILITY}compatibility/{COMPATIBILITY}application/{COMPATIBILITY}supportedOS")}
    expect({WINDOWS_7, WINDOWS_10} <= systems, "Windows 7 to 10/11 not all named as supported")

    settings = f"{ASM_V3}application/{ASM_V3}windowsSettings/"
    dpi_aware = root.find(settings + SETTINGS_2005 + "dpiAware")
    expect(dpi_aware is not None and dpi_aware.text.strip().lower() == "true/pm",
           "no dpiAware true/PM in the 2005 settings")
    awareness = root.find(settings + SETTINGS_2016 + "dpiAwareness")
    expect(awareness is not None and awareness.text.split(",")[0].strip() == "PerMonitorV2",
           "no dpiAwareness PerMonitorV2 first in the 2016 settings")
    return failures


def main():
    failures = check(ElementTree.parse(sys.argv[1]).getroot())
    for failure in failures:
        print(f"{sys.argv[1]}: {failure}", file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
