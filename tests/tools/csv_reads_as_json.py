"""rkdb2 list --format csv read back by Python's csv module equals
rkdb2 list --json: the header row is the JSON field names, each row one
database's fields, and bytes outside ASCII are the client's own (the JSON
gives each such byte as the Latin-1 code point of the same value).

    csv_reads_as_json.py RKDB2 [ARGS...]   (the command up to `list`)
"""
import csv
import io
import json
import subprocess
import sys

command = sys.argv[1:]
csv_bytes = subprocess.run(command + ["list", "--format", "csv"], check=True, capture_output=True).stdout
listing = json.loads(subprocess.run(command + ["list", "--json"], check=True, capture_output=True).stdout)

assert csv_bytes.endswith(b"\r\n") and b"\r\r" not in csv_bytes, "records end with CRLF"
rows = list(csv.reader(io.StringIO(csv_bytes.decode("latin-1"), newline="")))
assert rows[0] == list(listing[0].keys()), rows[0]
assert rows[1:] == [list(database.values()) for database in listing], rows[1:]
assert any("," in field for row in rows for field in row), "the store has a field that needs quoting"
assert any(ord(ch) > 0x7F for row in rows for field in row for ch in field), "and one with a byte outside ASCII"
print(f"{len(rows) - 1} databases read back equal")
