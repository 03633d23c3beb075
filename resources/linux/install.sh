#!/bin/sh
# Adds VSM Map Manager, as it lies in this folder, to your applications menu.
set -eu
folder="$(cd "$(dirname "$0")" && pwd)"
applications="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
mkdir -p "$applications"
sed -e "s|@FOLDER@|$folder|g" "$folder/vsm-map-manager.desktop" > "$applications/vsm-map-manager.desktop"
echo "Added to the applications menu: $applications/vsm-map-manager.desktop"
