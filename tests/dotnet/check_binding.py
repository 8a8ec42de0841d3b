#!/usr/bin/env python3
"""The .NET binding against rkdb2, on a copy of a store of its own:
  listing   the binding lists what rkdb2 list --json lists, field by field
  catalog   the same after a catalog and after an uncatalog through the
            binding, and an uncatalog of an unknown alias fails with DB2's text
  failures  a damaged store gives the binding DB2's error text; without the
            DB2 client the binding gets no list handle
  sources   the binding's data sources are rkdb2 sources --format json's, a
            db2cli.ini and a db2dsdriver.cfg beside the store's directory
  catalogue an SSL IPv6 node and a Kerberos database with an alternate server
            catalogued through the binding's records read back as rkdb2
            export --format json gives them, and uncatalogued alone

usage: check_binding.py CHECK MONO PROBE_EXE RKDB2 STORE DAMAGED_STORE LIBRARY_DIR SIM_DIR
"""

import json
import os
import shutil
import subprocess
import sys
import tempfile

CHECK, MONO, PROBE, RKDB2, STORE, DAMAGED_STORE, LIBRARY_DIR, SIM_DIR = sys.argv[1:9]

HOST = "db2cat"  # short enough to be its own node name
DATABASE = "SALES"


def run(command, store, search_path=(SIM_DIR, LIBRARY_DIR)):
    env = dict(os.environ, RKDB2_SIM_HOME=store, LD_LIBRARY_PATH=os.pathsep.join(search_path), DB2INSTPROF=store)
    return subprocess.run(command, env=env, capture_output=True)


def json_output(command, store):
    result = run(command, store)
    if result.returncode != 0:
        sys.exit(f"{command} exited with {result.returncode}:\n{result.stderr.decode('latin-1')}")
    return json.loads(result.stdout)


def binding(store, *args):
    return json_output([MONO, PROBE, *args], store)


def same_listing(store, what):
    """The binding's listing, after checking that rkdb2 lists the same."""
    through_binding = binding(store, "list")
    through_rkdb2 = json_output([RKDB2, "list", "--json"], store)
    if through_binding != through_rkdb2:
        sys.exit(f"{what}: the binding lists\n{through_binding}\nrkdb2 lists\n{through_rkdb2}")
    return through_binding


def expect(condition, text):
    if not condition:
        sys.exit(text)


def copied_store(scratch):
    """A copy of STORE with a comment byte above 0x7F, which rkdb2 writes as
    the Latin-1 code point."""
    store = os.path.join(scratch, "store")
    shutil.copytree(STORE, store)
    databases = os.path.join(store, "databases.txt")
    with open(databases, "rb") as f:
        text = f.read()
    with open(databases, "wb") as f:
        f.write(text.replace(b"comment = Sample", b"comment = Sampl\xe9", 1))
    return store


def check_listing(store):
    listing = same_listing(store, "the copied store")
    expect(len(listing) == 2 and listing[0]["comment"] == 'Sampl\u00e9 "quoted" database',
           f"unexpected listing of the copied store: {listing}")


def check_catalog(store):
    before = same_listing(store, "before the catalog")
    catalogued = binding(store, "catalog", HOST, DATABASE)
    expect(catalogued == {"code": 1, "message": ""}, f"catalog {HOST} {DATABASE}: {catalogued}")
    after_catalog = same_listing(store, "after the catalog")
    added = [d for d in after_catalog if d["alias"] == DATABASE]
    expect(len(added) == 1 and len(after_catalog) == len(before) + 1, f"after the catalog: {after_catalog}")
    expect((added[0]["databaseName"], added[0]["nodeName"], added[0]["hostName"], added[0]["serviceName"])
           == (DATABASE, HOST, HOST, "50000"), f"the catalogued database: {added[0]}")

    unknown = binding(store, "uncatalog", "NOSUCHDB", HOST)
    expect(unknown["code"] == 0 and unknown["message"].startswith("SQL1013N"),
           f"uncatalog of an unknown alias: {unknown}")

    uncatalogued = binding(store, "uncatalog", DATABASE, HOST)
    expect(uncatalogued == {"code": 1, "message": ""}, f"uncatalog {DATABASE} {HOST}: {uncatalogued}")
    expect(same_listing(store, "after the uncatalog") == before, "the uncatalog did not restore the listing")


def check_failures(store):
    damaged = run([MONO, PROBE, "list"], DAMAGED_STORE)
    expect(damaged.returncode == 1 and b"SQL1038C" in damaged.stderr,
           f"a damaged store: exit {damaged.returncode}, {damaged.stderr!r}")
    no_client = run([MONO, PROBE, "list"], store, search_path=(LIBRARY_DIR,))
    expect(no_client.returncode == 3, f"no DB2 client: exit {no_client.returncode}, {no_client.stderr!r}")


def check_catalogue(store):
    results = [binding(store, "catalog-node", "DB2SSL6", "ssl.example.com", "50443", "10", "2", "TLS"),
               binding(store, "catalog-database", "KRB", "KRBDB", "DB2SSL6", "7", "db2/ssl@EXAMPLE.COM"),
               binding(store, "alternate", "KRB", "standby.example.com", "50444")]
    expect(all(r == {"code": 1, "message": ""} for r in results), f"catalogued through the binding: {results}")
    exported = json_output([RKDB2, "export", "--format", "json"], store)
    protocols = {"TCPIP": "3", "TCPIP4": "9", "TCPIP6": "10"}
    securities = {"NONE": "0", "SSL": "2"}
    expected_nodes = [{"name": n["name"], "host": n["host"], "service": n["service"],
                       "protocol": protocols[n["protocol"]], "security": securities[n["security"]],
                       "comment": n["comment"]} for n in exported["nodes"]]
    nodes = binding(store, "nodes")
    expect(nodes == expected_nodes, f"the binding's nodes\n{nodes}\nrkdb2 exports\n{expected_nodes}")
    krb = [r for r in binding(store, "records") if r["alias"] == "KRB"]
    expect(krb == [{"alias": "KRB", "authentication": "7", "principal": "db2/ssl@EXAMPLE.COM",
                    "altHostName": "standby.example.com", "altPortNumber": "50444"}], f"the Kerberos record: {krb}")
    removed = [binding(store, "uncatalog-database", "KRB"), binding(store, "uncatalog-node", "DB2SSL6")]
    expect(all(r == {"code": 1, "message": ""} for r in removed), f"uncatalogued alone: {removed}")
    expect(not [n for n in binding(store, "nodes") if n["name"] == "DB2SSL6"], "the node stays after its uncatalog")


def check_sources(store):
    cfg = os.path.join(store, "cfg")
    os.makedirs(cfg, exist_ok=True)
    with open(os.path.join(cfg, "db2cli.ini"), "w") as f:
        f.write("[SAMPLE]\nDatabase=SAMPLEI\nHostname=ini.example.com\nPort=50100\n")
    with open(os.path.join(cfg, "db2dsdriver.cfg"), "w") as f:
        f.write('<configuration><dsncollection>\n<dsn alias="XMLONLY" name="X" host="x.example.com" port="1"/>'
                '\n</dsncollection></configuration>\n')
    listed = json_output([RKDB2, "sources", "--format", "json"], store)
    expected = [{"alias": s["alias"], "database": s["database"], "host": s["host"], "port": s["port"],
                 "source": s["source"], "line": str(s["line"] or 0), "shadowed": "true" if s["shadowed"] else "false"}
                for s in listed]
    through_binding = binding(store, "sources")
    expect(through_binding == expected, f"the binding's sources\n{through_binding}\nrkdb2 lists\n{expected}")
    expect([s["source"] for s in listed if s["alias"] == "SAMPLE"] == ["directory", "db2cli.ini"]
           and [s["alias"] for s in listed if s["source"] == "db2dsdriver.cfg"] == ["XMLONLY"],
           f"the sources of the store and its files: {listed}")


CHECKS = {"sources": check_sources, "listing": check_listing, "catalog": check_catalog, "failures": check_failures,
          "catalogue": check_catalogue}

with tempfile.TemporaryDirectory() as scratch:
    CHECKS[CHECK](copied_store(scratch))
