#pragma once

// What a drop or a paste brings: the local files among its data, and the progress of their
// unpacking.

#include "app/Display.h"
#include "app/ProgressBox.h"
#include "catalogue/MapNames.h"
#include "operations/ImportReport.h"

#include <QDir>
#include <QMimeData>
#include <QUrl>

#include <string>
#include <vector>

namespace operations {

/// The local files among dropped or pasted data, as the bytes of their paths.
inline std::vector<std::string> localPaths(const QMimeData* data)
{
    std::vector<std::string> paths;
    if (!data)
        return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths.push_back(fromDisplay(QDir::toNativeSeparators(url.toLocalFile())));
    }
    return paths;
}

/// The progress of an unpacking, shown for each archive once it has taken a second.
class UnpackProgressDialog : public UnpackProgress {
public:
    UnpackProgressDialog(QWidget* parent, QString caption, QString cancel)
        : m_box(parent, std::move(cancel)), m_caption(std::move(caption))
    {
    }

    bool unpacking(const std::string& archive, std::uint64_t done, std::uint64_t total) override
    {
        if (archive != m_archive) {
            m_archive = archive;
            m_label = m_caption + QLatin1Char(' ') + toDisplay(catalogue::fileNameOf(archive));
        }
        return m_box.show(m_label, done, total);
    }

private:
    ProgressBox m_box;
    QString m_caption, m_label;
    std::string m_archive;
};

} // namespace operations
