#pragma once

/// The program's version, the project version the build was configured with ("0.1").
const char* QueltaVersion();
