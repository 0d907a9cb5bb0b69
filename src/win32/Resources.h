#pragma once

// Ids of the window program's resources, shared by the resource script and the code.
#define IDI_FLEETWRIGHT 1
