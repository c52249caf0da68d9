#include "database/DatabaseCommands.h"

#include "database/DatabaseSource.h"
#include "database/StoredScenario.h"
#include "document/DatabaseHook.h"

namespace {

class CLegislatureDatabase : public CDatabaseCommands {
public:
    bool OpenDatabase(CQueltaDoc& doc) override { return ::OpenDatabase(doc); }
    bool SaveToDatabase(CQueltaDoc& doc) override { return SaveStoredScenario(doc); }
};

} // namespace

void InstallDatabaseCommands() {
    static CLegislatureDatabase database;
    SetDatabaseCommands(&database);
}
