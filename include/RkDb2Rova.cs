// RkDb2Rova.cs - the .NET binding of RkDb2Rova.dll (RkDb2Rova.so natively).
//
// NativeMethods declares the exports as rkdb2rova.h does; the classes below
// are the managed layer a host uses: DatabaseList for the listing,
// DatabaseDetails and DatabaseRecord for one database, NodeRecord for one
// node, DataSourceList and DataSourceRecord for every data source, Db2Client
// for cataloguing, uncataloguing, the node directory and the connection test. The process loads the library of its
// own bitness (a 32-bit process the 32-bit DLL, a 64-bit process the 64-bit
// one). Threads may list, catalog and uncatalog at once.

using System;
using System.Collections.Generic;
using System.Runtime.InteropServices;
using System.Text;

namespace RkDb2Rova
{
    // Texts cross as NUL-terminated byte arrays that AnsiText encodes and
    // decodes, not as strings: the marshaller's ANSI conversion is the ANSI
    // code page on Windows but UTF-8 under Mono and .NET Core elsewhere, and a
    // text read from a record must go back to the library as the same bytes.
    // CharSet.Ansi keeps any string parameter declared later single-byte.
    internal static class NativeMethods
    {
        private const string Library = "RkDb2Rova";

        public const int DetailsSize = 1755;             // RKDB2_DETAILS_SIZE
        public const int DbmsNameSize = 8;               // RKDB2_DBMS_NAME_SIZE
        public const int ConnectMessageMax = 32767;      // RKDB2_CONNECT_MESSAGE_MAX
        public const int NodeNameLength = 8;             // RKDB2_NODE_NAME_LENGTH
        public const string NodeService = "50000";       // RKDB2_NODE_SERVICE
        // DB2's error text has at most 1022 characters; the library's own
        // failure texts are shorter.
        public const int MessageSize = 1024;

        [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void CRkDatabaseListGetError(IntPtr list, [Out] byte[] text, int size);

        [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr CRkDatabaseListNew();

        [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr CRkDatabaseListNext(IntPtr list);

        [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int CRkDatabaseListPopulate(IntPtr list, out IntPtr first);

        [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int CatalogDatabase(byte[] hostName, byte[] databaseName, [Out] byte[] message, int messageSize);

        [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void GetDatabaseDetails(IntPtr entry, [Out] byte[] record);

        [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int RkConnect(byte[] dataSource, byte[] user, byte[] password, [Out] byte[] dbmsName,
                                           [Out] byte[] message);

        [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int UncatalogDatabase(byte[] alias, byte[] nodeName, [Out] byte[] message, int messageSize);

        // Version 0.2: records cross as byte arrays of their size, the size
        // in their first four bytes.
        public const int NodeRecordSize = 352;      // RKDB2_NODE_RECORD_SIZE
        public const int DatabaseRecordSize = 1364; // RKDB2_DATABASE_RECORD_SIZE

        [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int RkCatalogNode(byte[] node, [Out] byte[] message, int messageSize);

        [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int RkCatalogDatabaseAtNode(byte[] database, [Out] byte[] message, int messageSize);

        [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int RkSetAlternateServer(byte[] alias, byte[] hostName, byte[] portNumber,
                                                      [Out] byte[] message, int messageSize);

        [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int RkUncatalogNode(byte[] nodeName, [Out] byte[] message, int messageSize);

        [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int RkUncatalogDatabase(byte[] alias, [Out] byte[] message, int messageSize);

        [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int RkListNodes([In, Out] byte[] nodes, int capacity, out int count, [Out] byte[] message,
                                             int messageSize);

        [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int RkGetDatabaseRecord(IntPtr entry, [In, Out] byte[] record);

        public const int DataSourceRecordSize = 620; // RKDB2_DATA_SOURCE_RECORD_SIZE
        public const int DataSourceFilesSize = 528;  // RKDB2_DATA_SOURCE_FILES_SIZE
        // A malformed file's faults, one per line, fit several files of many lines.
        public const int ProblemsSize = 65536;

        [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr RkDataSourceListNew();

        [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int RkDataSourceListPopulate(IntPtr list, out IntPtr first);

        [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr RkDataSourceListNext(IntPtr list);

        [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void RkDataSourceListGetError(IntPtr list, [Out] byte[] text, int size);

        [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int RkGetDataSourceRecord(IntPtr entry, [In, Out] byte[] record);

        [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int RkDataSourceListGetFiles(IntPtr list, [In, Out] byte[] files);
    }

    // A fixed record of the header, read and written by offset: texts end
    // with a NUL inside their field, numbers are little-endian.
    internal static class RecordBytes
    {
        public static byte[] New(int size)
        {
            var record = new byte[size];
            BitConverter.GetBytes(size).CopyTo(record, 0);
            return record;
        }

        public static void PutText(byte[] record, int offset, int size, string text)
        {
            byte[] bytes = AnsiText.Encoding.GetBytes(text ?? "");
            Array.Copy(bytes, 0, record, offset, Math.Min(bytes.Length, size - 1));
        }

        public static void PutNumber(byte[] record, int offset, int value)
        {
            record[offset] = (byte)(value & 0xFF);
            record[offset + 1] = (byte)((value >> 8) & 0xFF);
        }

        public static int Number(byte[] record, int offset)
        {
            return record[offset] | (record[offset + 1] << 8);
        }
    }

    // The library's texts are bytes in the DB2 client's code page, which on
    // Windows is the process's ANSI code page (GetACP), so that code page is
    // used there. Encoding.Default is not: it is the ANSI code page on .NET
    // Framework only, and UTF-8 on .NET Core and under Mono on Linux. Latin-1
    // serves elsewhere (the native build has no ANSI code page) and where the
    // code page is not available (.NET Core without the code-pages provider):
    // it maps each byte to one character and back unchanged, so no text is
    // lost, and gives bytes above 0x7F the code points rkdb2 list --json gives.
    internal static class AnsiText
    {
        private const int Latin1CodePage = 28591;

        public static readonly Encoding Encoding = CodePageEncoding();

        [DllImport("kernel32.dll", ExactSpelling = true)]
        private static extern int GetACP();

        private static Encoding CodePageEncoding()
        {
            if (Environment.OSVersion.Platform == PlatformID.Win32NT) {
                try {
                    return Encoding.GetEncoding(GetACP());
                } catch (ArgumentException) {
                } catch (NotSupportedException) {
                }
            }
            return Encoding.GetEncoding(Latin1CodePage);
        }

        // The text with its terminator; null stays null (a null pointer).
        public static byte[] Encode(string text)
        {
            return text == null ? null : Encoding.GetBytes(text + "\0");
        }

        // The bytes of [offset, offset + size) up to the first NUL, never
        // reading past the field.
        public static string Decode(byte[] bytes, int offset, int size)
        {
            int end = Array.IndexOf(bytes, (byte)0, offset, size);
            return Encoding.GetString(bytes, offset, (end < 0 ? offset + size : end) - offset);
        }

        public static string Decode(byte[] bytes)
        {
            return Decode(bytes, 0, bytes.Length);
        }
    }

    // One database's DatabaseDetails record: fifteen consecutive text slots,
    // each holding its text and a NUL; the bytes behind a slot's NUL are not
    // part of the text.
    public sealed class DatabaseDetails
    {
        // Offset and size of each slot, in record order (rkdb2rova.h).
        private const int DatabaseNameOffset = 0, DatabaseNameSize = 50;
        private const int HostNameOffset = 50, HostNameSize = 255;
        private const int ServiceNameOffset = 305, ServiceNameSize = 50;
        private const int InstanceNameOffset = 355, InstanceNameSize = 50;
        private const int AliasOffset = 405, AliasSize = 50;
        private const int DrivePathOffset = 455, DrivePathSize = 30;
        private const int InternalNameOffset = 485, InternalNameSize = 50;
        private const int NodeNameOffset = 535, NodeNameSize = 50;
        private const int DatabaseTypeOffset = 585, DatabaseTypeSize = 255;
        private const int CommentOffset = 840, CommentSize = 255;
        private const int EntryTypeOffset = 1095, EntryTypeSize = 50;
        private const int AuthenticationOffset = 1145, AuthenticationSize = 255;
        private const int AltHostNameOffset = 1400, AltHostNameSize = 255;
        private const int AltPortNumberOffset = 1655, AltPortNumberSize = 50;
        private const int PlatformOffset = 1705, PlatformSize = 50;

        // Decodes a record of NativeMethods.DetailsSize bytes.
        public DatabaseDetails(byte[] record)
        {
            if (record == null)
                throw new ArgumentNullException(nameof(record));
            if (record.Length < NativeMethods.DetailsSize)
                throw new ArgumentException("a DatabaseDetails record has " + NativeMethods.DetailsSize + " bytes",
                                            nameof(record));
            DatabaseName = AnsiText.Decode(record, DatabaseNameOffset, DatabaseNameSize);
            HostName = AnsiText.Decode(record, HostNameOffset, HostNameSize);
            ServiceName = AnsiText.Decode(record, ServiceNameOffset, ServiceNameSize);
            InstanceName = AnsiText.Decode(record, InstanceNameOffset, InstanceNameSize);
            Alias = AnsiText.Decode(record, AliasOffset, AliasSize);
            DrivePath = AnsiText.Decode(record, DrivePathOffset, DrivePathSize);
            InternalName = AnsiText.Decode(record, InternalNameOffset, InternalNameSize);
            NodeName = AnsiText.Decode(record, NodeNameOffset, NodeNameSize);
            DatabaseType = AnsiText.Decode(record, DatabaseTypeOffset, DatabaseTypeSize);
            Comment = AnsiText.Decode(record, CommentOffset, CommentSize);
            EntryType = AnsiText.Decode(record, EntryTypeOffset, EntryTypeSize);
            Authentication = AnsiText.Decode(record, AuthenticationOffset, AuthenticationSize);
            AltHostName = AnsiText.Decode(record, AltHostNameOffset, AltHostNameSize);
            AltPortNumber = AnsiText.Decode(record, AltPortNumberOffset, AltPortNumberSize);
            Platform = AnsiText.Decode(record, PlatformOffset, PlatformSize);
        }

        public string DatabaseName { get; }
        public string HostName { get; }
        public string ServiceName { get; }
        public string InstanceName { get; }
        public string Alias { get; }
        public string DrivePath { get; }
        public string InternalName { get; }
        public string NodeName { get; }
        public string DatabaseType { get; }
        public string Comment { get; }
        public string EntryType { get; }
        public string Authentication { get; }
        public string AltHostName { get; }
        public string AltPortNumber { get; }
        public string Platform { get; }
    }

    // One TCP/IP node (RkNodeRecord). Protocol is 3 (TCP/IP), 9 (TCP/IPv4) or
    // 10 (TCP/IPv6), Security 0 (none) or 2 (SSL). RemoteInstance,
    // SystemName and OsType come from the node directory; DB2's node catalog
    // API cannot set them, so CatalogNode takes them empty.
    public sealed class NodeRecord
    {
        private const int ProtocolOffset = 4, SecurityOffset = 6, OsTypeOffset = 8;
        private const int NodeNameOffset = 10, NodeNameSize = 9;
        private const int HostNameOffset = 19, HostNameSize = 256;
        private const int ServiceNameOffset = 275, ServiceNameSize = 15;
        private const int CommentOffset = 290, CommentSize = 31;
        private const int RemoteInstanceOffset = 321, RemoteInstanceSize = 9;
        private const int SystemNameOffset = 330, SystemNameSize = 22;

        public string NodeName { get; set; } = "";
        public string HostName { get; set; } = "";
        public string ServiceName { get; set; } = NativeMethods.NodeService;
        public int Protocol { get; set; } = 3;
        public int Security { get; set; }
        public string Comment { get; set; } = "";
        public string RemoteInstance { get; set; } = "";
        public string SystemName { get; set; } = "";
        public int OsType { get; set; }

        internal static NodeRecord Decode(byte[] bytes, int start)
        {
            var record = new byte[NativeMethods.NodeRecordSize];
            Array.Copy(bytes, start, record, 0, record.Length);
            return new NodeRecord {
                Protocol = RecordBytes.Number(record, ProtocolOffset),
                Security = RecordBytes.Number(record, SecurityOffset),
                OsType = RecordBytes.Number(record, OsTypeOffset),
                NodeName = AnsiText.Decode(record, NodeNameOffset, NodeNameSize),
                HostName = AnsiText.Decode(record, HostNameOffset, HostNameSize),
                ServiceName = AnsiText.Decode(record, ServiceNameOffset, ServiceNameSize),
                Comment = AnsiText.Decode(record, CommentOffset, CommentSize),
                RemoteInstance = AnsiText.Decode(record, RemoteInstanceOffset, RemoteInstanceSize),
                SystemName = AnsiText.Decode(record, SystemNameOffset, SystemNameSize),
            };
        }

        internal byte[] Encode()
        {
            byte[] record = RecordBytes.New(NativeMethods.NodeRecordSize);
            RecordBytes.PutNumber(record, ProtocolOffset, Protocol);
            RecordBytes.PutNumber(record, SecurityOffset, Security);
            RecordBytes.PutNumber(record, OsTypeOffset, OsType);
            RecordBytes.PutText(record, NodeNameOffset, NodeNameSize, NodeName);
            RecordBytes.PutText(record, HostNameOffset, HostNameSize, HostName);
            RecordBytes.PutText(record, ServiceNameOffset, ServiceNameSize, ServiceName);
            RecordBytes.PutText(record, CommentOffset, CommentSize, Comment);
            RecordBytes.PutText(record, RemoteInstanceOffset, RemoteInstanceSize, RemoteInstance);
            RecordBytes.PutText(record, SystemNameOffset, SystemNameSize, SystemName);
            return record;
        }
    }

    // One database entry (RkDatabaseRecord). Authentication is DB2's code
    // (255: not specified); Principal is a Kerberos entry's target principal.
    // CatalogDatabaseAtNode catalogs a remote entry from all but EntryType and
    // the alternate server, which SetAlternateServer sets.
    public sealed class DatabaseRecord
    {
        private const int AuthenticationOffset = 4, EntryTypeOffset = 6;
        private const int AliasOffset = 8, AliasSize = 9;
        private const int DatabaseNameOffset = 17, DatabaseNameSize = 9;
        private const int NodeNameOffset = 26, NodeNameSize = 9;
        private const int CommentOffset = 35, CommentSize = 31;
        private const int PrincipalOffset = 66, PrincipalSize = 1025;
        private const int AltHostNameOffset = 1091, AltHostNameSize = 256;
        private const int AltPortNumberOffset = 1347, AltPortNumberSize = 15;

        public string Alias { get; set; } = "";
        public string DatabaseName { get; set; } = "";
        public string NodeName { get; set; } = "";
        public int Authentication { get; set; } = 255;
        public string Principal { get; set; } = "";
        public string Comment { get; set; } = "";
        public char EntryType { get; set; } = '1';
        public string AltHostName { get; set; } = "";
        public string AltPortNumber { get; set; } = "";

        internal static DatabaseRecord Decode(byte[] record)
        {
            return new DatabaseRecord {
                Authentication = RecordBytes.Number(record, AuthenticationOffset),
                EntryType = (char)record[EntryTypeOffset],
                Alias = AnsiText.Decode(record, AliasOffset, AliasSize),
                DatabaseName = AnsiText.Decode(record, DatabaseNameOffset, DatabaseNameSize),
                NodeName = AnsiText.Decode(record, NodeNameOffset, NodeNameSize),
                Comment = AnsiText.Decode(record, CommentOffset, CommentSize),
                Principal = AnsiText.Decode(record, PrincipalOffset, PrincipalSize),
                AltHostName = AnsiText.Decode(record, AltHostNameOffset, AltHostNameSize),
                AltPortNumber = AnsiText.Decode(record, AltPortNumberOffset, AltPortNumberSize),
            };
        }

        internal byte[] Encode()
        {
            byte[] record = RecordBytes.New(NativeMethods.DatabaseRecordSize);
            RecordBytes.PutNumber(record, AuthenticationOffset, Authentication);
            record[EntryTypeOffset] = (byte)EntryType;
            RecordBytes.PutText(record, AliasOffset, AliasSize, Alias);
            RecordBytes.PutText(record, DatabaseNameOffset, DatabaseNameSize, DatabaseName);
            RecordBytes.PutText(record, NodeNameOffset, NodeNameSize, NodeName);
            RecordBytes.PutText(record, CommentOffset, CommentSize, Comment);
            RecordBytes.PutText(record, PrincipalOffset, PrincipalSize, Principal);
            RecordBytes.PutText(record, AltHostNameOffset, AltHostNameSize, AltHostName);
            RecordBytes.PutText(record, AltPortNumberOffset, AltPortNumberSize, AltPortNumber);
            return record;
        }
    }

    // One data source (RkDataSourceRecord): Source is 1 (the directory), 2
    // (db2cli.ini) or 3 (db2dsdriver.cfg); Shadowed when an earlier entry in
    // the client's order names the alias.
    public sealed class DataSourceRecord
    {
        internal DataSourceRecord(byte[] record)
        {
            Source = RecordBytes.Number(record, 4);
            Protocol = RecordBytes.Number(record, 6);
            Security = RecordBytes.Number(record, 8);
            Authentication = RecordBytes.Number(record, 10);
            Shadowed = RecordBytes.Number(record, 12) != 0;
            Line = BitConverter.ToInt32(record, 16);
            Alias = AnsiText.Decode(record, 20, 33);
            DatabaseName = AnsiText.Decode(record, 53, 33);
            HostName = AnsiText.Decode(record, 86, 256);
            Port = AnsiText.Decode(record, 342, 15);
            File = AnsiText.Decode(record, 357, 260);
        }

        public int Source { get; }
        public int Protocol { get; }
        public int Security { get; }
        public int Authentication { get; }
        public bool Shadowed { get; }
        public int Line { get; }
        public string Alias { get; }
        public string DatabaseName { get; }
        public string HostName { get; }
        public string Port { get; }
        public string File { get; }
    }

    // A data-source list handle: as DatabaseList, never released; keep one
    // and populate it again to refresh.
    public sealed class DataSourceList
    {
        private readonly IntPtr m_handle;
        private readonly object m_gate = new object();

        private DataSourceList(IntPtr handle)
        {
            m_handle = handle;
            Sources = new DataSourceRecord[0];
            Problems = "";
            CliIni = "";
            DsDriverCfg = "";
        }

        public static DataSourceList Create()
        {
            IntPtr handle = NativeMethods.RkDataSourceListNew();
            return handle == IntPtr.Zero ? null : new DataSourceList(handle);
        }

        // The sources in the client's order, the faults of the files (or
        // why the population failed), the client kind (1 full, 2 driver) and
        // the files read.
        public IReadOnlyList<DataSourceRecord> Sources { get; private set; }
        public string Problems { get; private set; }
        public int ClientKind { get; private set; }
        public string CliIni { get; private set; }
        public string DsDriverCfg { get; private set; }

        public bool Populate()
        {
            lock (m_gate) {
                IntPtr entry;
                bool populated = NativeMethods.RkDataSourceListPopulate(m_handle, out entry) == 1;
                var problems = new byte[NativeMethods.ProblemsSize];
                NativeMethods.RkDataSourceListGetError(m_handle, problems, problems.Length);
                Problems = AnsiText.Decode(problems);
                if (!populated)
                    return false;
                var sources = new List<DataSourceRecord>();
                for (; entry != IntPtr.Zero; entry = NativeMethods.RkDataSourceListNext(m_handle)) {
                    byte[] record = RecordBytes.New(NativeMethods.DataSourceRecordSize);
                    if (NativeMethods.RkGetDataSourceRecord(entry, record) == 1)
                        sources.Add(new DataSourceRecord(record));
                }
                Sources = sources;
                byte[] files = RecordBytes.New(NativeMethods.DataSourceFilesSize);
                if (NativeMethods.RkDataSourceListGetFiles(m_handle, files) == 1) {
                    ClientKind = RecordBytes.Number(files, 4);
                    CliIni = AnsiText.Decode(files, 8, 260);
                    DsDriverCfg = AnsiText.Decode(files, 268, 260);
                }
                return true;
            }
        }
    }

    // A list handle of the library. No export releases a handle: the library
    // keeps it, and every entry it handed out, until the library is unloaded,
    // which for a .NET host means the end of the process. So this class is not
    // IDisposable and has no finalizer. Create one and call Populate again to
    // refresh: a population of an unchanged directory keeps nothing new,
    // while every new handle stays allocated for the rest of the process.
    // Threads may share an instance: a population and its walk of the handle
    // run under the instance's lock, so no walk sees another's entries.
    public sealed class DatabaseList
    {
        private readonly IntPtr m_handle;
        private readonly object m_gate = new object();

        private DatabaseList(IntPtr handle)
        {
            m_handle = handle;
            Databases = new DatabaseDetails[0];
            Records = new DatabaseRecord[0];
        }

        // A new handle, or null when the DB2 client (db2app and db2sys)
        // cannot be loaded. The library remembers that outcome, so install
        // or repair the client before the first call.
        public static DatabaseList Create()
        {
            IntPtr handle = NativeMethods.CRkDatabaseListNew();
            return handle == IntPtr.Zero ? null : new DatabaseList(handle);
        }

        // The databases of the latest successful population, in directory
        // order, and their records (authentication code, principal, ...).
        public IReadOnlyList<DatabaseDetails> Databases { get; private set; }
        public IReadOnlyList<DatabaseRecord> Records { get; private set; }

        // Reads the node and database directories. True with Databases
        // replaced; false when a DB2 call failed, with Databases as it was and
        // the failure in ErrorText.
        public bool Populate()
        {
            lock (m_gate) {
                IntPtr entry;
                if (NativeMethods.CRkDatabaseListPopulate(m_handle, out entry) != 1)
                    return false;
                var databases = new List<DatabaseDetails>();
                var records = new List<DatabaseRecord>();
                for (; entry != IntPtr.Zero; entry = NativeMethods.CRkDatabaseListNext(m_handle)) {
                    var details = new byte[NativeMethods.DetailsSize];
                    NativeMethods.GetDatabaseDetails(entry, details);
                    databases.Add(new DatabaseDetails(details));
                    byte[] record = RecordBytes.New(NativeMethods.DatabaseRecordSize);
                    NativeMethods.RkGetDatabaseRecord(entry, record);
                    records.Add(DatabaseRecord.Decode(record));
                }
                Databases = databases;
                Records = records;
                return true;
            }
        }

        // DB2's error text for the handle's last DB2 call (of the latest
        // population, when threads share the instance).
        public string ErrorText
        {
            get {
                var text = new byte[NativeMethods.MessageSize];
                lock (m_gate)
                    NativeMethods.CRkDatabaseListGetError(m_handle, text, text.Length);
                return AnsiText.Decode(text);
            }
        }
    }

    // The outcome of a catalog or uncatalog call: Code 1 with an empty
    // Message on success, 0 with the failure's text otherwise.
    public sealed class Db2Result
    {
        public Db2Result(int code, string message)
        {
            Code = code;
            Message = message;
        }

        public int Code { get; }
        public string Message { get; }
        public bool Succeeded => Code == 1;
    }

    // The outcome of a connection test: Code 1 when the connection
    // succeeded, the DBMS name and the CLI diagnostics. Both texts are empty
    // when no test was made (db2cli cannot be loaded).
    public sealed class ConnectResult
    {
        public ConnectResult(int code, string dbmsName, string message)
        {
            Code = code;
            DbmsName = dbmsName;
            Message = message;
        }

        public int Code { get; }
        public string DbmsName { get; }
        public string Message { get; }
        public bool Succeeded => Code == 1;
    }

    public static class Db2Client
    {
        // The node CatalogDatabase catalogs for a host, and Uncatalog takes.
        public static string NodeNameFor(string hostName)
        {
            return hostName.Length <= NativeMethods.NodeNameLength
                       ? hostName
                       : hostName.Substring(0, NativeMethods.NodeNameLength);
        }

        // Catalogs a TCP/IP node named NodeNameFor(hostName), service 50000,
        // then the database under its own name as alias. A node catalogued
        // before a failed database step stays.
        public static Db2Result Catalog(string hostName, string databaseName)
        {
            var message = new byte[NativeMethods.MessageSize];
            int code = NativeMethods.CatalogDatabase(AnsiText.Encode(hostName), AnsiText.Encode(databaseName), message,
                                                     message.Length);
            return new Db2Result(code, AnsiText.Decode(message));
        }

        // Uncatalogs the database, then the node. A database removed before a
        // failed node step stays removed.
        public static Db2Result Uncatalog(string alias, string nodeName)
        {
            var message = new byte[NativeMethods.MessageSize];
            int code = NativeMethods.UncatalogDatabase(AnsiText.Encode(alias), AnsiText.Encode(nodeName), message,
                                                       message.Length);
            return new Db2Result(code, AnsiText.Decode(message));
        }

        // A TCP/IP node with its protocol, security and comment.
        public static Db2Result CatalogNode(NodeRecord node)
        {
            return Call((message, size) => NativeMethods.RkCatalogNode(node.Encode(), message, size));
        }

        // A remote database at its node, with its authentication, principal
        // and comment.
        public static Db2Result CatalogDatabaseAtNode(DatabaseRecord database)
        {
            return Call((message, size) => NativeMethods.RkCatalogDatabaseAtNode(database.Encode(), message, size));
        }

        // Sets the alternate server, or clears it when hostName is null or
        // empty (a client instance ignores it: SQL1889W).
        public static Db2Result SetAlternateServer(string alias, string hostName, string portNumber)
        {
            bool clear = string.IsNullOrEmpty(hostName);
            return Call((message, size) => NativeMethods.RkSetAlternateServer(
                            AnsiText.Encode(alias), clear ? null : AnsiText.Encode(hostName),
                            clear ? null : AnsiText.Encode(portNumber), message, size));
        }

        public static Db2Result UncatalogNode(string nodeName)
        {
            return Call((message, size) => NativeMethods.RkUncatalogNode(AnsiText.Encode(nodeName), message, size));
        }

        public static Db2Result UncatalogDatabase(string alias)
        {
            return Call((message, size) => NativeMethods.RkUncatalogDatabase(AnsiText.Encode(alias), message, size));
        }

        // The node directory, in directory order; null with the failure in
        // `result` when it cannot be read.
        public static IReadOnlyList<NodeRecord> ListNodes(out Db2Result result)
        {
            var message = new byte[NativeMethods.MessageSize];
            int count;
            byte[] nodes = null;
            for (int capacity = 0;;) {
                nodes = new byte[Math.Max(capacity, 1) * NativeMethods.NodeRecordSize];
                BitConverter.GetBytes(NativeMethods.NodeRecordSize).CopyTo(nodes, 0);
                int code = NativeMethods.RkListNodes(nodes, capacity, out count, message, message.Length);
                if (code != 1) {
                    result = new Db2Result(code, AnsiText.Decode(message));
                    return null;
                }
                if (count <= capacity)
                    break;
                capacity = count;
            }
            var list = new List<NodeRecord>();
            for (int i = 0; i < count; ++i)
                list.Add(NodeRecord.Decode(nodes, i * NativeMethods.NodeRecordSize));
            result = new Db2Result(1, "");
            return list;
        }

        private static Db2Result Call(Func<byte[], int, int> call)
        {
            var message = new byte[NativeMethods.MessageSize];
            int code = call(message, message.Length);
            return new Db2Result(code, AnsiText.Decode(message));
        }

        // Tests a CLI connection. A null user and password leave the
        // credentials to the data source.
        public static ConnectResult Connect(string dataSource, string user, string password)
        {
            var dbmsName = new byte[NativeMethods.DbmsNameSize];
            var message = new byte[NativeMethods.ConnectMessageMax];
            int code = NativeMethods.RkConnect(AnsiText.Encode(dataSource), AnsiText.Encode(user),
                                               AnsiText.Encode(password), dbmsName, message);
            return new ConnectResult(code, AnsiText.Decode(dbmsName), AnsiText.Decode(message));
        }
    }
}
