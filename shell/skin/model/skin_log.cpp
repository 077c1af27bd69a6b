#include "shell/skin/model/skin_log.h"

Q_LOGGING_CATEGORY(lcSkin, "kestrun.skin", QtInfoMsg)
