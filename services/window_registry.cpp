// The table behind window, control and menu handles.
#include "window_registry.h"

#include "main_window_widget.h"
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

MainWindowWidget* WindowWidget(Handle window) {
    RegistryEntry* entry = FindHandle(window);
    return entry ? qobject_cast<MainWindowWidget*>(entry->widget.data()) : nullptr;
}

void SendCommand(Handle window, int id, Handle control) {
    if (MainWindowWidget* top = WindowWidget(window))
        top->send(Message::Command, static_cast<std::uint32_t>(id) & 0xFFFFu,
                  static_cast<std::uint32_t>(control));
}

QWidget* WidgetOf(Handle handle) {
    RegistryEntry* entry = FindHandle(handle);
    return entry ? entry->widget.data() : nullptr;
}
