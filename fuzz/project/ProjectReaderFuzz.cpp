// Any bytes given to the project reader: no crash, no hang, no sanitizer report.
#include "project/MenuProject.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"

#include <cstdint>

namespace {

ZepError noPictures(const QString &)
{
    return {};
}

// Alternates answers so both the go-on and the give-up paths are explored.
class AlternatingAnswers : public ReadProblemHandler
{
public:
    explicit AlternatingAnswers(std::uint8_t seed) : m_seed(seed) {}
    bool continueReading(const ReadProblem &problem) override
    {
        (void)problem.boxText();
        return ((m_seed >> (m_count++ % 8)) & 1) == 0;
    }

private:
    std::uint8_t m_seed;
    int m_count = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    ProjectContent content;
    AlternatingAnswers answers(data[0]);
    ProjectReader reader(content, answers, noPictures);
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    if (reader.read(bytes, QStringLiteral("/nonexistent")) == ProjectReader::Outcome::Completed) {
        MenuProject project;
        project.replace(content, QString());
        (void)ProjectWriter(project).toBytes(QStringLiteral("/nonexistent/menu.zep"));
    }
    return 0;
}
