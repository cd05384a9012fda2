// Qt Test's event helpers for GoogleTest tests. Its assertion macros only return from the
// function they stand in, so a GoogleTest test that fails one of them still passes: they are
// poisoned here, and waiting is QTest::qWaitFor with a GoogleTest assertion on its result.
#pragma once

#include <QTest>

#undef QVERIFY
#undef QVERIFY2
#undef QCOMPARE
#undef QFAIL
#undef QSKIP
#undef QEXPECT_FAIL
#undef QVERIFY_THROWS_EXCEPTION
#undef QTRY_VERIFY
#undef QTRY_VERIFY2
#undef QTRY_COMPARE
#undef QTRY_VERIFY_WITH_TIMEOUT
#undef QTRY_VERIFY2_WITH_TIMEOUT
#undef QTRY_COMPARE_WITH_TIMEOUT
#pragma GCC poison QVERIFY QVERIFY2 QCOMPARE QFAIL QSKIP QEXPECT_FAIL QVERIFY_THROWS_EXCEPTION
#pragma GCC poison QTRY_VERIFY QTRY_VERIFY2 QTRY_COMPARE QTRY_VERIFY_WITH_TIMEOUT
#pragma GCC poison QTRY_VERIFY2_WITH_TIMEOUT QTRY_COMPARE_WITH_TIMEOUT
