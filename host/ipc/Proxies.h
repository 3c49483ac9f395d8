#pragma once
// The host's objects as seen through a connection: each proxy names its object on the host
// by a reference text ("app", "prog:3", "cmd:3:17", ...) and forwards every member as a call.
#include <memory>
#include <string>

#include "host/api/Application.h"
#include "host/ipc/Connection.h"

namespace zantrel::host::ipc {

std::shared_ptr<Application> MakeApplication(std::shared_ptr<Connection> connection);

}  // namespace zantrel::host::ipc
