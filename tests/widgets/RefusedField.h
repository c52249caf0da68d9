#pragma once

#include "platform/HeadlessPlatform.h"
#include "views/widgets/NumberFields.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <string>

/// Checks that a field refused `text`: it is marked, shows `shown` again and the status bar
/// says that the text is refused and what the field takes (`why`).
inline void ExpectRefused(const QLineEdit& field, const CRecordingPlatform& platform,
                          const std::string& text, const QString& shown, const std::string& why) {
    EXPECT_EQ(field.text(), shown) << "the field shows the model's value again";
    EXPECT_TRUE(IsFieldRefused(field));
    ASSERT_FALSE(platform.StatusTexts().empty());
    const std::string status = platform.StatusTexts().back().text;
    EXPECT_NE(status.find("\"" + text + "\" is refused"), std::string::npos) << status;
    EXPECT_NE(status.find(why), std::string::npos) << status;
}
