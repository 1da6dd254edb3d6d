// A search or a stop of the interface object, run to its end: both return at once and tell
// their end from the event loop.
#pragma once

#include <string>

#include <gtest/gtest.h>
#include <QTest>

#include "acquisition/InterfaceVelta.h"

// The failure's message, or an empty string.
inline std::string Cherche(TinterfaceVelta& v) {
    bool fin = false;
    std::string message;
    v.OnFinRecherche = [&](const Tresultat<>& r) {
        fin = true;
        if (!r) message = r.Message();
    };
    v.ChercheInterface();
    EXPECT_TRUE(v.Occupe());
    EXPECT_TRUE(QTest::qWaitFor([&] { return fin; }, 30000));
    v.OnFinRecherche = nullptr;
    EXPECT_FALSE(v.Occupe());
    return message;
}

inline void Arrete(TinterfaceVelta& v) {
    bool fin = false;
    v.OnFinArret = [&] { fin = true; };
    v.StopInterface();
    EXPECT_TRUE(QTest::qWaitFor([&] { return fin; }, 10000));
    v.OnFinArret = nullptr;
}
