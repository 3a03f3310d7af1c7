"""Writes the winget and scoop manifests of a release from its files:
    python3 manifests.py <release folder> <version> <download address of the release's files>
winget/ gets a multi-file manifest (version, installer, default locale) in the folder layout of the
winget-pkgs repository's manifests/t/Tavelin/Tavelin/<version>; scoop/tavelin.json a bucket's."""

import hashlib
import json
import pathlib
import sys

IDENTIFIER = "Tavelin.Tavelin"
PUBLISHER = "The Tavelin authors"
# The key of the installer's entry under "Apps and features" (Uninstall\Tavelin).
PRODUCT_CODE = "Tavelin"
MANIFEST_VERSION = "1.6.0"
DESCRIPTION = "Reminds you at a fixed interval to take a pause of a fixed length."


def sha256(path):
    return hashlib.sha256(path.read_bytes()).hexdigest()


def yaml(kind, fields):
    """One winget manifest file: flat YAML, texts quoted as JSON strings (valid YAML)."""
    lines = [f"# yaml-language-server: $schema=https://aka.ms/winget-manifest.{kind}.{MANIFEST_VERSION}.schema.json"]

    def emit(value, indent):
        pad = " " * indent
        for key, item in value.items():
            if isinstance(item, dict):
                lines.append(f"{pad}{key}:")
                emit(item, indent + 2)
            elif isinstance(item, list):
                lines.append(f"{pad}{key}:")
                for element in item:
                    if isinstance(element, dict):
                        first, *rest = element.items()
                        lines.append(f"{pad}- {first[0]}: {json.dumps(first[1])}")
                        emit(dict(rest), indent + 2)
                    else:
                        lines.append(f"{pad}- {json.dumps(element)}")
            else:
                lines.append(f"{pad}{key}: {json.dumps(item)}")
    emit(fields, 0)
    return "\n".join(lines) + "\n"


def main(folder, version, url):
    folder = pathlib.Path(folder)
    setup, archive = folder / f"Tavelin-{version}-setup.exe", folder / f"Tavelin-{version}-win64.zip"
    common = {"PackageIdentifier": IDENTIFIER, "PackageVersion": version}
    winget = folder / "winget" / "manifests" / "t" / "Tavelin" / "Tavelin" / version
    winget.mkdir(parents=True)
    (winget / f"{IDENTIFIER}.yaml").write_text(yaml("version", {
        **common, "DefaultLocale": "en-US", "ManifestType": "version", "ManifestVersion": MANIFEST_VERSION}))
    (winget / f"{IDENTIFIER}.installer.yaml").write_text(yaml("installer", {
        **common,
        "InstallerType": "nullsoft",
        "Scope": "user",
        "InstallModes": ["interactive", "silent", "silentWithProgress"],
        "InstallerSwitches": {"Silent": "/S", "SilentWithProgress": "/S", "InstallLocation": "/D=<INSTALLPATH>"},
        "UpgradeBehavior": "install",
        "ProductCode": PRODUCT_CODE,
        "AppsAndFeaturesEntries": [{"DisplayName": "Tavelin", "Publisher": PUBLISHER, "DisplayVersion": version,
                                    "ProductCode": PRODUCT_CODE}],
        "Installers": [{"Architecture": "x64", "InstallerUrl": f"{url}/{setup.name}",
                        "InstallerSha256": sha256(setup).upper()}],
        "ManifestType": "installer", "ManifestVersion": MANIFEST_VERSION}))
    (winget / f"{IDENTIFIER}.locale.en-US.yaml").write_text(yaml("defaultLocale", {
        **common, "PackageLocale": "en-US", "Publisher": PUBLISHER, "PackageName": "Tavelin", "License": "MIT",
        "ShortDescription": DESCRIPTION, "ReleaseNotesUrl": url,
        "ManifestType": "defaultLocale", "ManifestVersion": MANIFEST_VERSION}))

    scoop = folder / "scoop"
    scoop.mkdir()
    (scoop / "tavelin.json").write_text(json.dumps({
        "version": version,
        "description": DESCRIPTION,
        "homepage": url,
        "license": "MIT",
        "url": f"{url}/{archive.name}",
        "hash": sha256(archive),
        "bin": "Tavelin.exe",
        "shortcuts": [["Tavelin.exe", "Tavelin"]],
        # The Settings folder makes the copy keep its settings beside itself; kept across updates.
        "persist": "Settings",
    }, indent=4) + "\n")


if __name__ == "__main__":
    main(*sys.argv[1:])
