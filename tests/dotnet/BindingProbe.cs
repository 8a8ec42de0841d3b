// Drives the library through the .NET binding and prints what it got as
// JSON, for check_binding.py to compare with rkdb2's output:
//   list                    the catalogued databases, as rkdb2 list --json
//   catalog HOST DATABASE   {"code": N, "message": "..."}
//   uncatalog ALIAS NODE    the same
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

    static int Main(string[] args)
    {
        if (args.Length == 1 && args[0] == "list")
            return List();
        if (args.Length == 3 && args[0] == "catalog")
            return Print(Db2Client.Catalog(args[1], args[2]));
        if (args.Length == 3 && args[0] == "uncatalog")
            return Print(Db2Client.Uncatalog(args[1], args[2]));
        Console.Error.WriteLine("usage: BindingProbe.exe list | catalog HOST DATABASE | uncatalog ALIAS NODE");
        return 2;
    }
}
