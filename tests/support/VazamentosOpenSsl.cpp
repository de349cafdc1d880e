// For test programs that use Qt WebSockets: every QWebSocket takes Qt's default TLS configuration,
// which loads the OpenSSL back end as a plugin; OpenSSL's global and per-thread tables then stay
// allocated until the plugin is unloaded at exit, and the leak checker sometimes sees them there.
// They are OpenSSL's own, never the code under test's: the checker is told to leave them.

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libcrypto.so\nleak:libssl.so\n";
}
