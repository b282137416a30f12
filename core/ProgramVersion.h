#pragma once
// The program's version, as the build gives it ("1.0").
const char* ProgramVersion();
