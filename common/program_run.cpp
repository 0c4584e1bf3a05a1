#include "program_run.h"

#include <utility>

#include "command_scope.h"
#include "main_window_shell.h"

MessageHandler ProgramHandler(CouponApp& app, ProgramCommands commands) {
    // Every handler takes its window's handle; this one's is app.window.
    return [&app, commands = std::move(commands)](Handle, std::uint32_t message, std::uint32_t first,
                                                  std::uint32_t second) -> std::int32_t {
        if (commands.before && commands.before(message, first)) return 0;
        switch (message) {
            case Message::InitDialog: {
                // Initialisation counts as a command: nothing else runs inside it.
                const CommandScope scope(app);
                commands.initialise();
                break;
            }
            case Message::NcActivate: HandleActivation(app, first); break;
            case Message::Destroy:
                HandleDestruction(app);
                if (commands.destroyed) commands.destroyed();
                break;
            case Message::Command: {
                const CommandScope scope(app);
                if (scope.entered()) commands.command(CommandId(first));
                break;
            }
            case Message::KeyDown: {
                if (!commands.key) break;
                const CommandScope scope(app);
                if (scope.entered()) commands.key(first, second);
                break;
            }
            default: break;
        }
        return 0;
    };
}
