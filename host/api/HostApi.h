#pragma once
// The whole host automation interface.
#include "host/api/Application.h"
#include "host/api/Binding.h"
#include "host/api/Commands.h"
#include "host/api/Events.h"
#include "host/api/HostError.h"
#include "host/api/PartProgram.h"
#include "host/api/Probes.h"
