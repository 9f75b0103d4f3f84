// Numbers of the resources embedded by sparlin.rc.
#pragma once

#define SPARLIN_RES_DONATE_PNG 101
