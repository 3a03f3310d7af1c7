"""The libraries a Windows program uses, read from its file, and marker libraries planted beside
it under their names: the shared part of the build's, the end-to-end and the package tests'
look at what a program loads and from where."""

import glob
import pathlib
import re
import shutil
import subprocess

# Windows 10's KnownDLLs: the system maps them from its own folder and never searches for them
# beside a program. Wine knows no such list and loads a planted one of these (its own libraries
# import them before the program runs), so they cannot be planted in a test; the build's test
# checks instead that a program imports nothing else.
KNOWN_DLLS = frozenset(f"{name}.dll" for name in (
    "advapi32", "clbcatq", "combase", "comdlg32", "coml2", "difxapi", "gdi32", "gdiplus", "imagehlp", "imm32",
    "kernel32", "msctf", "msvcrt", "normaliz", "nsi", "ole32", "oleaut32", "psapi", "rpcrt4", "sechost",
    "setupapi", "shcore", "shell32", "shlwapi", "user32", "wldap32", "ws2_32"))

# Libraries through which a program reaches the network.
NETWORK_DLLS = frozenset(f"{name}.dll" for name in (
    "ws2_32", "wsock32", "mswsock", "wininet", "winhttp", "urlmon", "iphlpapi", "dnsapi", "netapi32",
    "httpapi", "websocket", "webservices", "wlanapi", "mpr", "winsta", "bits", "qmgr", "wldap32"))

BARE_NAME = re.compile(r"^[a-z][a-z0-9_]{2,}$")


def imported(binary):
    """The lower-case names of the libraries in the binary's import table."""
    dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", str(binary)], capture_output=True, text=True,
                          check=True, timeout=60).stdout
    return {name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)}


def named(binary, system_folder):
    """The lower-case names of the system folder's libraries that the binary spells out (in UTF-16,
    as LoadLibraryExW takes them, or in ASCII), with or without their ending: the ones it can load
    later by name. A text may run on from the bytes before it, so its longest ending that names a
    library counts."""
    present = {path.name.lower() for path in pathlib.Path(system_folder).iterdir()
               if path.name.lower().endswith((".dll", ".ocx"))}
    data = pathlib.Path(binary).read_bytes()
    texts = re.findall(rb"[\x20-\x7e]{4,}", data)
    texts += [text.replace(b"\0", b"") for text in re.findall(rb"(?:[\x20-\x7e]\0){4,}", data)]
    found = set()
    for text in (text.decode().lower() for text in texts):
        if BARE_NAME.match(text) and text + ".dll" in present:
            found.add(text + ".dll")
        elif text.endswith((".dll", ".ocx")):
            found.update(text[start:] for start in range(len(text)) if text[start:] in present)
    return found


def wine_library_folder():
    """Where Wine keeps its own 64-bit libraries (PE files)."""
    found = sorted(glob.glob("/usr/lib/*/wine/x86_64-windows")) + sorted(glob.glob("/usr/lib/wine/x86_64-windows"))
    if not found:
        raise AssertionError("no folder of Wine's x86_64-windows libraries")
    return pathlib.Path(found[0])


def imported_by_wine_for(binary):
    """The libraries that Wine's own copies of the binary's imports import in turn, all the way
    down: Wine loads them before the program runs and searches the program's folder for them too,
    where Windows takes a KnownDLL's imports from the system folder."""
    folder, seen = wine_library_folder(), set()
    waiting = [name for name in imported(binary) if (folder / name).is_file()]
    while waiting:
        name = waiting.pop()
        for child in imported(folder / name) if (folder / name).is_file() else ():
            if child not in seen:
                seen.add(child)
                waiting.append(child)
    return seen - imported(binary)


def plantable(binary, system_folder):
    """Every library the binary imports or names that Windows would look for beside it, but
    those that only Wine's own libraries import for it."""
    return sorted((imported(binary) | named(binary, system_folder)) - KNOWN_DLLS - imported_by_wine_for(binary))


def plant(folder, names, marker):
    """Copies the marker library into the folder under each name; returns the WINEDLLOVERRIDES
    entries that make Wine look in a program's folder first for them, as Windows does."""
    for name in names:
        shutil.copyfile(marker, pathlib.Path(folder) / name)
    return ";".join(f"{name[:-4] if name.endswith('.dll') else name}=n,b" for name in names)


def markers(folder):
    """The marks left by planted libraries that were loaded, under the folder."""
    return sorted(str(path.relative_to(folder)) for path in pathlib.Path(folder).rglob("*.loaded"))


def mapped(pid):
    """The lower-case paths of the library files mapped into a process, from /proc (Wine maps
    its own libraries from its library folder, a planted one from where it lies)."""
    maps = pathlib.Path(f"/proc/{pid}/maps").read_text()
    return {line.split(None, 5)[5].lower() for line in maps.splitlines()
            if len(line.split(None, 5)) == 6 and line.lower().endswith((".dll", ".ocx", ".exe"))}
