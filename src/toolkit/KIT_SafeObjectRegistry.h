#ifndef KIT_SAFEOBJECTREGISTRY_H
#define KIT_SAFEOBJECTREGISTRY_H

#include <cstdint>
#include <map>
#include <string>

// Process-wide record meant for tracing live objects into a debug log. It stays inert:
// nothing registers in it and the log file is never opened.
struct KIT_SafeObjectRegistry
{
    struct Entry
    {
        const char* pName = nullptr;
    };

    std::int32_t state = 0;
    std::map<std::string, Entry> objects;
    std::string logFileName = "log_KIT_SafeObject_debugger.txt";

    static const KIT_SafeObjectRegistry& Instance();
};

#endif
