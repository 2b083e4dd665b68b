#include "emissivityfile.h"

#include "paths.h"
#include "tablefilelimit.h"

#include <cmath>

namespace {
// Latin-1 text of the bytes up to the first zero byte, trimmed.
QString latin1Text(const QByteArray &bytes)
{
    const int nul = bytes.indexOf('\0');
    return QString::fromLatin1(nul < 0 ? bytes : bytes.left(nul)).trimmed();
}
} // namespace

QList<EmissivityFile::Material> EmissivityFile::parse(const QByteArray &data)
{
    QList<Material> materials;
    int start = 0;
    for (int end = data.indexOf('\n'); end >= 0; start = end + 1, end = data.indexOf('\n', start)) {
        QByteArray line = data.mid(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.contains("//"))
            continue;
        const int equals = line.lastIndexOf('=');
        if (equals < 0)
            continue;
        Material material;
        material.name = latin1Text(line.left(equals));
        bool ok = false;
        const double value = latin1Text(line.mid(equals + 1)).toDouble(&ok);
        if (material.name.isEmpty() || !ok || !std::isfinite(value) || !isEmissivity(value))
            continue;
        material.emiss = float(value);
        materials.append(material);
    }
    return materials;
}

QList<EmissivityFile::Material> EmissivityFile::read(const QString &path)
{
    QByteArray data;
    if (!TableFileLimit::read(Paths::resolve(path), &data))
        return {};
    return parse(data);
}
