#include "shell/shell_log.h"

Q_LOGGING_CATEGORY(lcShell, "kestrun.shell", QtInfoMsg)
