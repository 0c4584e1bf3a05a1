// The table behind window, control and menu handles.
#include "window_registry.h"

#include "window_test_bridge.h"

std::map<Handle, RegistryEntry>& Registry() {
    static std::map<Handle, RegistryEntry> registry;
    return registry;
}

namespace {
Handle lastHandle = 0;
}  // namespace

Handle NextHandle() { return lastHandle + 1; }

Handle RegisterHandle(RegistryEntry entry) {
    Registry()[++lastHandle] = std::move(entry);
    return lastHandle;
}

RegistryEntry* FindHandle(Handle handle) {
    const auto found = Registry().find(handle);
    return found != Registry().end() ? &found->second : nullptr;
}

QWidget* WidgetOf(Handle handle) {
    RegistryEntry* entry = FindHandle(handle);
    return entry ? entry->widget.data() : nullptr;
}
