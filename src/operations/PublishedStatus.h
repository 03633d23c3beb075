#pragma once

#include "app/Steps.h"
#include "localisation/LanguageTexts.h"
#include "operations/PublishedCheck.h"

#include <memory>
#include <string>

class Environment;
class QLabel;
class QObject;

namespace operations {

/// The details panel's status of a map of the new-maps or unpublished list: whether the
/// published folder holds it already, with the same files or others. A comparison that takes
/// long goes on in steps between the window's events.
class PublishedStatus {
public:
    /// `status` shows the answer; the steps run on a timer owned by `parent`.
    PublishedStatus(Environment& env, QObject* parent, QLabel* status, const localisation::LanguageTexts& texts);
    ~PublishedStatus();

    /// Compares the map at `package` with its namesake in `publishedFolder`.
    void check(const std::string& package, const std::string& publishedFolder);
    /// No status: a comparison still going on is dropped.
    void clear();

private:
    void continueCheck();

    QLabel* m_status;
    const localisation::LanguageTexts& m_texts;
    Steps m_steps;
    std::unique_ptr<PublishedCheck> m_check; ///< while a comparison goes on
};

} // namespace operations
