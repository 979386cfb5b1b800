// Built into the browser test alone. Chromium inside WebEngine deletes some objects through
// a base type of another size; AddressSanitizer would stop the test there. Every other test
// program keeps the check. Options given in ASAN_OPTIONS still come on top of these.
extern "C" const char* __asan_default_options()
{
    return "new_delete_type_mismatch=0";
}
