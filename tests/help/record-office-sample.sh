#!/bin/sh
# Records office-sample.rtf, the word-processor cross-check of the RTF reader: LibreOffice
# Writer (libreoffice-writer-nogui) converts a small Czech HTML page to rich text. Run again
# only to refresh the sample; the tests read the recorded file and need no word processor.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/sample.html" <<'HTML'
<html><head><meta charset="utf-8"></head><body>
<h1>Nápověda</h1>
<p>Příliš žluťoučký kůň úpěl <b>ďábelské</b> ódy &amp; <i>kurzíva</i> <u>podtržené</u>
<font color="#ff0000">červená</font> € ✓</p>
<ul><li>Vytvořit Album</li></ul></body></html>
HTML
HOME="$work" soffice -env:UserInstallation="file://$work/profile" --headless \
    --infilter='HTML (StarWriter)' --convert-to rtf --outdir "$work" "$work/sample.html" >/dev/null
cp "$work/sample.rtf" "$here/office-sample.rtf"
