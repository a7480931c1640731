// The one source of the target whose precompiled headers (GoogleTest, the standard library) every test program
// of a unity build reuses; it compiles those headers and nothing else.
