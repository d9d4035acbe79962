#include <QByteArray>
#include <QtGlobal>

// The discovered tests receive only the first entry of the helper's environment list,
// so the two folders these tests need are compiled in as a fallback.
namespace {

const bool kEnvironmentReady = [] {
    if (qEnvironmentVariableIsEmpty("ZEP_TEST_DATA"))
        qputenv("ZEP_TEST_DATA", QByteArray(ZEP_SCRIPT_TEST_DATA));
    if (qEnvironmentVariableIsEmpty("ZEP_PROGRAM_DIR"))
        qputenv("ZEP_PROGRAM_DIR", QByteArray(ZEP_SCRIPT_PROGRAM_DIR));
    return true;
}();

} // namespace
