// Drives the library through the .NET binding and prints what it got as
// JSON, for check_binding.py to compare with rkdb2's output:
//   list                    the catalogued databases, as rkdb2 list --json
//   catalog HOST DATABASE   {"code": N, "message": "..."}
//   uncatalog ALIAS NODE    the same
//   nodes                   the node directory: name, host, service,
//                           protocol, security, comment
//   records                 each database's alias, authentication, principal
//                           and alternate server
//   catalog-node NAME HOST SERVICE PROTOCOL SECURITY COMMENT
//   catalog-database ALIAS DATABASE NODE AUTHENTICATION PRINCIPAL
//   alternate ALIAS HOST PORT
//   sources                 the data sources: alias, database, host, port,
//                           source, line, shadowed
//   uncatalog-node NAME, uncatalog-database ALIAS
//                           {"code": N, "message": "..."}
// A listing that fails prints the error text on stderr and exits with 1; no
// list handle (no DB2 client) exits with 3.

using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;
using RkDb2Rova;

static class BindingProbe
{
    // Written out by name, not taken from the binding: the keys are rkdb2's,
    // the values the binding's properties.
    static KeyValuePair<string, string>[] Fields(DatabaseDetails d)
    {
        return new[] {
            Field("databaseName", d.DatabaseName), Field("hostName", d.HostName),
            Field("serviceName", d.ServiceName), Field("instanceName", d.InstanceName),
            Field("alias", d.Alias), Field("drivePath", d.DrivePath),
            Field("internalName", d.InternalName), Field("nodeName", d.NodeName),
            Field("databaseType", d.DatabaseType), Field("comment", d.Comment),
            Field("entryType", d.EntryType), Field("authentication", d.Authentication),
            Field("altHostName", d.AltHostName), Field("altPortNumber", d.AltPortNumber),
            Field("platform", d.Platform),
        };
    }

    static KeyValuePair<string, string> Field(string key, string value)
    {
        return new KeyValuePair<string, string>(key, value);
    }

    static string Json(string text)
    {
        var json = new StringBuilder("\"");
        foreach (char ch in text) {
            if (ch == '"' || ch == '\\')
                json.Append('\\').Append(ch);
            else if (ch < 0x20 || ch > 0x7E)
                json.AppendFormat("\\u{0:x4}", (int)ch);
            else
                json.Append(ch);
        }
        return json.Append('"').ToString();
    }

    static string Json(IEnumerable<KeyValuePair<string, string>> fields)
    {
        return "{" + string.Join(", ", fields.Select(f => Json(f.Key) + ": " + Json(f.Value))) + "}";
    }

    static int List()
    {
        DatabaseList list = DatabaseList.Create();
        if (list == null) {
            Console.Error.WriteLine("no list handle: the DB2 client cannot be loaded");
            return 3;
        }
        if (!list.Populate()) {
            Console.Error.WriteLine(list.ErrorText);
            return 1;
        }
        Console.WriteLine("[" + string.Join(",", list.Databases.Select(d => "\n  " + Json(Fields(d)))) + "\n]");
        return 0;
    }

    static int Print(Db2Result result)
    {
        Console.WriteLine("{\"code\": " + result.Code + ", \"message\": " + Json(result.Message) + "}");
        return 0;
    }

    static int Nodes()
    {
        Db2Result result;
        IReadOnlyList<NodeRecord> nodes = Db2Client.ListNodes(out result);
        if (nodes == null) {
            Console.Error.WriteLine(result.Message);
            return 1;
        }
        Console.WriteLine("[" + string.Join(",", nodes.Select(n => "\n  " + Json(new[] {
            Field("name", n.NodeName), Field("host", n.HostName), Field("service", n.ServiceName),
            Field("protocol", n.Protocol.ToString()), Field("security", n.Security.ToString()),
            Field("comment", n.Comment),
        }))) + "\n]");
        return 0;
    }

    static int Records()
    {
        DatabaseList list = DatabaseList.Create();
        if (list == null || !list.Populate())
            return 1;
        Console.WriteLine("[" + string.Join(",", list.Records.Select(r => "\n  " + Json(new[] {
            Field("alias", r.Alias), Field("authentication", r.Authentication.ToString()),
            Field("principal", r.Principal), Field("altHostName", r.AltHostName),
            Field("altPortNumber", r.AltPortNumber),
        }))) + "\n]");
        return 0;
    }

    static int Sources()
    {
        DataSourceList list = DataSourceList.Create();
        if (list == null || !list.Populate())
            return 1;
        string[] names = {"", "directory", "db2cli.ini", "db2dsdriver.cfg"};
        Console.WriteLine("[" + string.Join(",", list.Sources.Select(r => "\n  " + Json(new[] {
            Field("alias", r.Alias), Field("database", r.DatabaseName), Field("host", r.HostName),
            Field("port", r.Port), Field("source", names[r.Source]), Field("line", r.Line.ToString()),
            Field("shadowed", r.Shadowed ? "true" : "false"),
        }))) + "\n]");
        return 0;
    }

    static int Main(string[] args)
    {
        if (args.Length == 1 && args[0] == "sources")
            return Sources();
        if (args.Length == 1 && args[0] == "nodes")
            return Nodes();
        if (args.Length == 1 && args[0] == "records")
            return Records();
        if (args.Length == 7 && args[0] == "catalog-node")
            return Print(Db2Client.CatalogNode(new NodeRecord {
                NodeName = args[1], HostName = args[2], ServiceName = args[3], Protocol = int.Parse(args[4]),
                Security = int.Parse(args[5]), Comment = args[6],
            }));
        if (args.Length == 6 && args[0] == "catalog-database")
            return Print(Db2Client.CatalogDatabaseAtNode(new DatabaseRecord {
                Alias = args[1], DatabaseName = args[2], NodeName = args[3], Authentication = int.Parse(args[4]),
                Principal = args[5],
            }));
        if (args.Length == 4 && args[0] == "alternate")
            return Print(Db2Client.SetAlternateServer(args[1], args[2], args[3]));
        if (args.Length == 2 && args[0] == "uncatalog-node")
            return Print(Db2Client.UncatalogNode(args[1]));
        if (args.Length == 2 && args[0] == "uncatalog-database")
            return Print(Db2Client.UncatalogDatabase(args[1]));
        if (args.Length == 1 && args[0] == "list")
            return List();
        if (args.Length == 3 && args[0] == "catalog")
            return Print(Db2Client.Catalog(args[1], args[2]));
        if (args.Length == 3 && args[0] == "uncatalog")
            return Print(Db2Client.Uncatalog(args[1], args[2]));
        Console.Error.WriteLine("usage: BindingProbe.exe list | nodes | records | catalog HOST DATABASE | ...");
        return 2;
    }
}
