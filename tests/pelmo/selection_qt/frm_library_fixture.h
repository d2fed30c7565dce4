#ifndef TESTS_PELMO_SELECTION_QT_FRM_LIBRARY_FIXTURE_H
#define TESTS_PELMO_SELECTION_QT_FRM_LIBRARY_FIXTURE_H

#include "pelmo/app/testing/fake_program.h"
#include "pelmo/library/library_loader.h"
#include "pelmo/library/records.h"
#include "pelmo/selection/library_selection.h"
#include "pelmo/selection/qt/frm_library.h"
#include "pelmo/selection/selection_host.h"

#include "shared/text/number_text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pelmo::testing {

// The Select dialog and the chart windows as the window tests script them.
class ScriptedHost : public SelectionHost {
public:
    void ChooseCandidate(std::vector<std::int32_t>& candidates) override;
    int OpenChartWindowCount() const override { return chartWindows; }
    void CloseAllChartWindows() override { chartWindows = 0; }

    std::optional<std::int32_t> preferred;  // chosen when offered
    int offers = 0;
    int chartWindows = 0;
};

// The selection window over the generated sample library with fake services, loaded and
// shown offscreen, with its beeps and signals counted.
class FrmLibraryTest : public ::testing::Test {
protected:
    // The library is read, and the window shows numbers, with the given separator.
    explicit FrmLibraryTest(int helpLanguage = 2, char separator = '.');
    ~FrmLibraryTest() override;

    template <typename T>
    T* Child(const char* name) const {
        T* child = window_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QString Text(const char* label) const { return Child<QLabel>(label)->text(); }
    // What a filter list emits when the user picks the entry with this text.
    void Choose(const char* box, const std::string& text);
    // Types into a box as the user would (replacing what it held) and presses Enter.
    void TypeAndEnter(QLineEdit* edit, const std::string& text);
    void TypeAndEnter(const char* edit, const std::string& text);
    // The same in the part-number box: the keys go to the box itself, which has the
    // focus and hands them to its line edit, as they arrive from the keyboard.
    void TypePartNumberAndEnter(const std::string& text);
    // A capacitor of the current notation with a temperature and bias model, a frequency
    // class and the characteristic asked for (empty: any).
    std::int32_t ModelledCapacitor(const std::string& characteristic = {}) const;
    const std::string& PartNumberOf(std::int32_t index) const;
    std::vector<std::string> ReadoutTexts() const;

    char separator_;
    Library library_;
    FakeProgram fake_;
    ScriptedHost host_;
    LibrarySelection model_;
    std::unique_ptr<FrmLibrary> window_;
    int beeps_ = 0;
    int selectionChanges_ = 0;  // counted from the end of the load
    int loadChanges_ = 0;       // raised by the load itself
    int catalogRequests_ = 0;
    int mustEnds_ = 0;
};

}  // namespace pelmo::testing

#endif
