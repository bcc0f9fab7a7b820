#ifndef NOMINMAX
#define NOMINMAX
#endif
// The wide resource types (RT_ICON and its kin) for the wide calls below.
#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>

#include <QDir>
#include <QFile>
#include <QXmlStreamReader>
#include <QtEndian>
#include <QtTest>

// The built program file as Windows itself reads it: a GUI program whose
// shell icon is group 101 with the bundle's logo icon, and whose manifest
// asks to run with the caller's rights and no UI access.
class TestWinResources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void programIsBuiltForTheGuiSubsystem();
    void iconGroup101HoldsTheLogoIcon();
    void manifestAsksForTheCallersRightsOnly();

private:
    QByteArray resource(const wchar_t *type, const wchar_t *name) const;

    QString m_path;
    HMODULE m_module = nullptr;
};

namespace {

// Icon group directory and its entries, as the resource compiler stores them.
#pragma pack(push, 2)
struct GroupIconHeader
{
    WORD reserved;
    WORD type;
    WORD count;
};
struct GroupIconEntry
{
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInResource;
    WORD id;
};
#pragma pack(pop)

BOOL CALLBACK countName(HMODULE, LPCWSTR, LPWSTR, LONG_PTR count)
{
    ++*reinterpret_cast<int *>(count);
    return TRUE;
}

// The image bytes of the only image of an .ico file.
QByteArray onlyIconImage(const QByteArray &ico)
{
    const auto *data = reinterpret_cast<const uchar *>(ico.constData());
    if (ico.size() < 22 || qFromLittleEndian<quint16>(data + 4) != 1)
        return QByteArray();
    const quint32 size = qFromLittleEndian<quint32>(data + 14);
    const quint32 offset = qFromLittleEndian<quint32>(data + 18);
    return ico.mid(int(offset), int(size));
}

} // namespace

void TestWinResources::initTestCase()
{
    m_path = QDir::toNativeSeparators(QStringLiteral(CORVALEN_EXECUTABLE));
    m_module = LoadLibraryExW(reinterpret_cast<const wchar_t *>(m_path.utf16()), nullptr,
                              LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    QVERIFY2(m_module, qPrintable(m_path));
}

void TestWinResources::cleanupTestCase()
{
    if (m_module)
        FreeLibrary(m_module);
}

QByteArray TestWinResources::resource(const wchar_t *type, const wchar_t *name) const
{
    HRSRC found = FindResourceW(m_module, name, type);
    if (!found)
        return QByteArray();
    const HGLOBAL loaded = LoadResource(m_module, found);
    const DWORD size = SizeofResource(m_module, found);
    return QByteArray(static_cast<const char *>(LockResource(loaded)), int(size));
}

void TestWinResources::programIsBuiltForTheGuiSubsystem()
{
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray image = file.read(4096);
    IMAGE_DOS_HEADER dos;
    QVERIFY(size_t(image.size()) >= sizeof dos);
    memcpy(&dos, image.constData(), sizeof dos);
    QCOMPARE(dos.e_magic, WORD(IMAGE_DOS_SIGNATURE));
    IMAGE_NT_HEADERS64 nt;
    QVERIFY(dos.e_lfanew > 0 && size_t(image.size()) >= size_t(dos.e_lfanew) + sizeof nt);
    memcpy(&nt, image.constData() + dos.e_lfanew, sizeof nt);
    QCOMPARE(nt.Signature, DWORD(IMAGE_NT_SIGNATURE));
    QCOMPARE(nt.OptionalHeader.Subsystem, WORD(IMAGE_SUBSYSTEM_WINDOWS_GUI));
}

void TestWinResources::iconGroup101HoldsTheLogoIcon()
{
    const QByteArray group = resource(RT_GROUP_ICON, MAKEINTRESOURCEW(101));
    QVERIFY2(!group.isEmpty(), "no icon group 101");
    GroupIconHeader header;
    QCOMPARE(size_t(group.size()), sizeof header + sizeof(GroupIconEntry));
    memcpy(&header, group.constData(), sizeof header);
    QCOMPARE(header.type, WORD(1));
    QCOMPARE(header.count, WORD(1));
    GroupIconEntry entry;
    memcpy(&entry, group.constData() + sizeof header, sizeof entry);
    QCOMPARE(int(entry.width), 128);
    QCOMPARE(int(entry.height), 128);
    QCOMPARE(int(entry.bitCount), 32);

    // The one image is the bundle's logo icon, byte for byte.
    const QByteArray image = resource(RT_ICON, MAKEINTRESOURCEW(entry.id));
    QCOMPARE(DWORD(image.size()), entry.bytesInResource);
    QFile ico(QStringLiteral(":/images/logo.ico"));
    QVERIFY(ico.open(QIODevice::ReadOnly));
    QVERIFY(image == onlyIconImage(ico.readAll()));

    // And the shell can make an icon of it at its full size.
    HICON icon = CreateIconFromResourceEx(reinterpret_cast<PBYTE>(const_cast<char *>(image.constData())),
                                          DWORD(image.size()), TRUE, 0x00030000, 0, 0, LR_DEFAULTCOLOR);
    QVERIFY(icon);
    ICONINFO info;
    QVERIFY(GetIconInfo(icon, &info));
    BITMAP colour;
    QVERIFY(GetObjectW(info.hbmColor, sizeof colour, &colour));
    QCOMPARE(int(colour.bmWidth), 128);
    QCOMPARE(int(colour.bmHeight), 128);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}

void TestWinResources::manifestAsksForTheCallersRightsOnly()
{
    // One manifest only: a second one (from a linker) would make the loader
    // refuse or pick either.
    int manifests = 0;
    EnumResourceNamesW(m_module, RT_MANIFEST, countName, reinterpret_cast<LONG_PTR>(&manifests));
    QCOMPARE(manifests, 1);

    const QByteArray manifest = resource(RT_MANIFEST, MAKEINTRESOURCEW(1));
    QVERIFY2(!manifest.isEmpty(), "no manifest with the process identifier 1");
    QXmlStreamReader xml(manifest);
    int levels = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("requestedExecutionLevel")) {
            ++levels;
            QCOMPARE(xml.attributes().value(QLatin1String("level")).toString(), QStringLiteral("asInvoker"));
            QCOMPARE(xml.attributes().value(QLatin1String("uiAccess")).toString(), QStringLiteral("false"));
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(levels, 1);
}

QTEST_GUILESS_MAIN(TestWinResources)
#include "tst_winresources.moc"
