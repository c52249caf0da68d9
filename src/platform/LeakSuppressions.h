#pragma once

// Include once in a program's main file. In builds with the address sanitizer, the leak checker
// would otherwise report the memory that the ODBC driver manager and the SQLite and PostgreSQL
// drivers keep until the process ends (they are loaded as plug-ins and never unloaded); leaks in
// this program's own code are still reported.
#if defined(__SANITIZE_ADDRESS__)
extern "C" __attribute__((used)) const char* __lsan_default_suppressions() {
    return "leak:libodbc.so\n"
           "leak:libodbcinst.so\n"
           "leak:libsqlite3odbc\n"
           "leak:libsqlite3.so\n"
           "leak:psqlodbc\n"
           "leak:libpq.so\n"
           "leak:libqsqlodbc\n";
}
#endif
