// The tests' host forms and controls take DejaVu Sans, the desktop's sans
// serif face of the project's packages, at the desktop's default size,
// whatever other faces the machine has installed: what prints does not
// hang on them.
#include <QApplication>
#include <QFont>
#include <gtest/gtest.h>

namespace {

class DefaultFaceEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        QFont font = QApplication::font();
        font.setFamilies({QStringLiteral("DejaVu Sans")});
        QApplication::setFont(font);
    }
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new DefaultFaceEnvironment);

} // namespace
