#pragma once

#include "epcsregisters.h"
#include "registerdevice.h"

#include <QByteArray>
#include <QImage>
#include <QMutex>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>

#include <cstdint>
#include <memory>

// The board as the library sees it: a byte-exact model of the FPGA register
// map over a synthetic 384x288 scene of 16-bit AD values.
//
// Writable registers keep what was written (little-endian, widths as on the
// board). Read-only registers are computed from the current frame when they
// are read: frame maximum/minimum/sum/count and the hottest and coldest
// pixels (0x40-0x5E; the image-mode copies at 0x4A-0x5E cover the mix
// window in the middle of the picture), the board's own level and gain
// (0x70, 0x72), the histogram (0xA0-0xA4), the AD at each spot slot's
// written position and the statistics of each area slot's rectangle.
//
// Positions the board takes or reports (spot and line points, area
// rectangles, the hottest and coldest pixels) are board coordinates: those
// of the full 320x240 picture the screen shows. The board maps them onto
// its 384x288 sensor pixel centre to pixel centre, so a point measures the
// sensor pixel drawn under it. The frame stream and the scene stay in
// sensor pixels. Reads
// at 0x4000 hand out the frame as a stream: each read continues where the
// last one stopped, and a new frame is taken when the stream wraps, so the
// library's eight 27,648-byte chunks make one consistent frame.
//
// The scene: a background with a few objects of known AD (a warm mug, a cold
// pack, a hot spot) that swing slowly, plus a little noise. Time moves only
// through advance()/setSceneTime(); a frozen board (0x14 bit 0) ignores
// advance(). Faults can be injected per access or as board states.
//
// Thread-safe: the library reads frames from a recording thread while the
// GUI thread switches registers.
class SimBoard : public RegisterDevice
{
public:
    enum { WIDTH = 384, HEIGHT = 288, PIXELS = WIDTH * HEIGHT, FRAME_BYTES = PIXELS * 2 };
    // The picture the board's coordinates refer to.
    enum { BOARD_WIDTH = 320, BOARD_HEIGHT = 240 };
    enum : uint32_t { REGISTER_SPACE = 0x4000, FRAME_OFFSET = 0x4000, PALETTE_OFFSET = 0x1300,
                      PALETTE_BYTES = 1044 };
    // The region of the frame whose extremes the image-mode copies report.
    static QRect mixWindow() { return QRect(96, 72, 192, 144); }
    // The frame pixel a board position measures, and the board position of
    // a frame pixel; both clamp to the picture.
    static QPoint framePixel(const QPoint &board);
    static QPoint boardPoint(const QPoint &pixel);

    struct SceneObject
    {
        QString name;
        QRect rect;         // at scene time 0
        bool round = false; // an ellipse inside rect, else the whole rect
        uint16_t ad = 0;
        QPoint swing;       // amplitude of the slow back-and-forth, pixels
    };
    // Seconds of one swing.
    static constexpr double SwingPeriod = 30.0;

    // Faults of single accesses.
    enum Fault { FailRead, FailWrite, ShortRead, ShortWrite };
    struct FaultRule
    {
        Fault fault = FailRead;
        int64_t offset = -1;    // start offset of the access; -1 any
        int skip = 0;           // matching accesses let through first
        int times = -1;         // faults before the rule ends; -1 never ends
    };
    // Faults of the board's state.
    enum BoardFault {
        NoFaults = 0,
        ZeroGain = 1,           // both gain registers read 0
        ZeroPixelCount = 2,     // the pixel count reads 0
        ReversedHistogram = 4   // histogram maximum and minimum swapped
    };

    struct Write
    {
        uint32_t offset;
        QByteArray data;
    };

    SimBoard();
    ~SimBoard() override;

    // Makes board the one the library opens by default (FPGABottom() and
    // so the front); null puts the real device back.
    static void install(const std::shared_ptr<SimBoard> &board);

    // RegisterDevice
    bool isOpen() const override;
    int readAt(uint32_t offset, void *buffer, int length) override;
    int writeAt(uint32_t offset, const void *buffer, int length) override;

    // ---- scene ----
    static uint16_t defaultBackgroundAD() { return 32110; }
    static QVector<SceneObject> defaultObjects();
    void setBackgroundAD(uint16_t ad);
    uint16_t backgroundAD() const;
    void setObjects(const QVector<SceneObject> &objects);
    QVector<SceneObject> objects() const;
    // Where an object stands at the current scene time, in frame pixels.
    QRect objectRect(const QString &name) const;
    // The same in board coordinates: the rectangle of board positions that
    // measure the object's frame rectangle, and its centre.
    QRect objectBoardRect(const QString &name) const;
    QPoint objectCentre(const QString &name) const;
    void setNoise(int amplitude);
    void setSceneTime(double seconds);
    void advance(double seconds);
    double sceneTime() const;
    // A fixed frame (PIXELS values) in place of the scene; an empty vector
    // goes back to the scene.
    void setFrame(const QVector<uint16_t> &frame);
    QVector<uint16_t> frame() const;
    uint16_t adAt(int x, int y) const;
    // The AD a spot at this board position reads.
    uint16_t adAtBoard(const QPoint &board) const;
    // Starts the next stream read at the first byte of a new frame.
    void restartFrameStream();

    // ---- calibration aids ----
    // Averages that reads of area slot's average word hand out, one per
    // read; the last one then holds. An empty list ends the script.
    void setAreaAverages(int slot, const QVector<uint16_t> &averages);
    // The external shutter's background correction: over the next `frames`
    // scene steps the whole picture shifts until the average under the
    // 30 x 30 board square in the middle comes to target. The shift stays
    // until clearBackgroundCorrection() (the internal shutter).
    void correctBackground(uint16_t target, int frames);
    void clearBackgroundCorrection();
    int backgroundOffset() const;
    static QRect centreSquare() { return QRect(145, 105, 30, 30); }

    // ---- board words ----
    void setLensCode(int code);             // 0x0F bits 0-2
    void setLensFlag(bool set);             // 0x00 bit 7, asked when the code is 7
    void setIrPower(bool on);               // 0x0F bit 7
    void setShutterTempWord(uint16_t word); // 0x1C
    void setSensorTempWord(uint16_t word);  // 0x1E
    static uint16_t temperatureWord(double degC);
    void setShtWords(uint16_t temperature, uint16_t humidity); // 0x8C, 0x8E
    void setVersion(const QByteArray &version);                 // 0xF0, 15 bytes
    bool frozen() const;

    // Raw register contents as last written or set (computed registers as
    // last refreshed).
    uint8_t registerByte(uint32_t offset) const;
    uint16_t registerWord(uint32_t offset) const;
    uint32_t registerLong(uint32_t offset) const;
    void setRegister(uint32_t offset, const QByteArray &bytes);

    // ---- uploads ----
    QByteArray palette() const;
    int paletteUploads() const;
    QVector<Write> writes() const;      // the latest writes, oldest first
    QVector<Write> writesTo(uint32_t offset) const;
    void clearWrites();

    // ---- bus test ----
    // Single-byte reads at these offsets answer 0x55 and 0xAA (a fault rule
    // at the offset, or another answer, breaks the test).
    enum : uint32_t { BUS_TEST_LOW = 0xF555, BUS_TEST_HIGH = 0xFAAA };
    void setBusTestAnswer(uint8_t low, uint8_t high);

    // ---- faults ----
    void setPresent(bool present);      // false: no device at all
    void addFault(const FaultRule &rule);
    void clearFaults();
    void setBoardFaults(int faults);
    int boardFaults() const;

    // The picture the board draws: the frame through the uploaded palette
    // with the written level and gain, composed with the visible-light
    // picture by the picture mode (0x00 bits 0-2): 1 visible only; 2 and 3
    // a half-size inset in the corner of 0x01 (bits 0-1 / 4-5); 4 and 5 the
    // top picture blended with weight 0x2A / 0x2F over 128, in the centre
    // mix window or, with 0x25 bit 7 / bit 0, over the whole picture.
    QImage render() const;
    // The board's own colour bar while register 0x10 bit 7 is set: the
    // uploaded palette, top entry up, 16 x 128; null while it is off.
    static constexpr int ColorBarWidth = 16;
    static constexpr int ColorBarHeight = 128;
    QImage colorBar() const;
    // The visible-light camera's picture of the scene.
    QImage visiblePicture() const;
    // Where a picture-in-picture inset of corner 0..3 lies.
    static QRect insetRect(int corner);

    // ---- configuration flash ----
    // The serial flash the FPGA loads its design from, programmed through
    // the ID (0xAC), status (0xAF, bit 0 busy), command (0xB0: 0, then the
    // code), page address (0xC2-0xC4) and page buffer (0x2000-0x20FF)
    // registers. Commands: 2 write enable, 4 erase, 8 status into 0xAF,
    // 16 program the page buffer at the address. Erase and program need a
    // write enable first; programming only clears bits, as in a real flash.
    enum : uint32_t { FLASH_BYTES = 512 * 1024, FLASH_PAGE_BYTES = EpcsRegisters::PageBytes,
                      REG_FLASH_ID = EpcsRegisters::SiliconId, REG_FLASH_STATUS = EpcsRegisters::Status,
                      REG_FLASH_COMMAND = EpcsRegisters::Command, REG_FLASH_ADDRESS = EpcsRegisters::PageAddress,
                      REG_FLASH_BUFFER = EpcsRegisters::PageBuffer };
    QByteArray flash() const;
    void setFlash(const QByteArray &contents);
    void setFlashId(uint8_t id);
    // Status requests that still report busy after an erase or a page.
    void setFlashBusyPolls(int erasePolls, int pagePolls);
    void setFlashStuckBusy(bool stuck);
    // Every write to a flash register after this many more fails (-1 never).
    void setFlashWritesFailAfter(int writes);
    int flashErases() const;
    int flashPagesProgrammed() const;

private:
    void paletteColours(QRgb *colours) const;
    bool takeFault(Fault fault, uint32_t offset);
    void ensureFrame() const;
    void generateFrame(QVector<uint16_t> &out) const;
    void refreshComputed(uint32_t offset, int length);
    void computeStats() const;
    void computeHistogram() const;
    // The largest and smallest value in an area of the frame, each at the
    // first pixel in reading order that holds it.
    struct Extremes
    {
        uint16_t max = 0;
        uint16_t min = 0xFFFF;
        QPoint maxAt;
        QPoint minAt;
    };
    static Extremes findExtremes(const uint16_t *frame, const QRect &area);
    static void rangeOf(const uint16_t *values, int count, uint16_t *max, uint16_t *min);
    void storeWord(uint32_t offset, uint16_t value);
    void storeBoardPoint(uint32_t offset, int frameX, int frameY);
    void refreshSpot(uint32_t slot);
    void refreshArea(uint32_t slot);
    void playAreaAverages(uint32_t offset, int length);
    double centreMean() const;
    uint16_t wordAt(uint32_t offset) const;
    void storeBytes(uint32_t offset, const void *data, int length);
    QRect objectRectAt(const SceneObject &object, double time) const;
    int readFrameStream(void *buffer, int length);
    static bool isFlashRegister(uint32_t offset, int length);
    int writeFlash(uint32_t offset, const void *buffer, int length);
    void flashCommand(uint8_t code);
    QImage infraredPicture() const;
    QByteArray pictureSources() const;
    QImage drawPicture() const;
    QImage drawColorBar() const;
    QImage visiblePictureAt(double time) const;
    static QImage withInset(const QImage &full, const QImage &inset, int corner);
    static QImage blended(const QImage &bottom, const QImage &top, uint8_t weight, bool whole);

    mutable QMutex m_mutex;
    QByteArray m_registers;
    bool m_present = true;
    int m_boardFaults = NoFaults;
    QVector<FaultRule> m_faults;

    uint16_t m_background;
    QVector<SceneObject> m_objects;
    int m_noise = 2;
    double m_time = 0.0;
    QVector<uint16_t> m_fixedFrame;
    QVector<QVector<uint16_t>> m_areaAverages;
    double m_offset = 0.0;
    double m_offsetTarget = 0.0;
    int m_offsetSteps = 0;

    mutable QVector<uint16_t> m_frame;
    mutable bool m_frameValid = false;
    mutable bool m_statsValid = false;
    mutable bool m_histogramValid = false;
    // Frames made so far: a new one is a new picture.
    mutable uint64_t m_framesMade = 0;
    mutable QImage m_rendered;
    mutable QByteArray m_renderedFrom;
    mutable QImage m_colorBar;
    mutable int m_colorBarPalette = -1;
    struct StatsData
    {
        // Positions in frame pixels.
        uint16_t max = 0, min = 0, maxX = 0, maxY = 0, minX = 0, minY = 0;
        uint16_t mixMax = 0, mixMin = 0, mixMaxX = 0, mixMaxY = 0, mixMinX = 0, mixMinY = 0;
        uint64_t sum = 0;
        uint16_t histMax = 0, histMin = 0, histMost = 0;
    };
    mutable StatsData m_stats;

    QVector<uint16_t> m_streamFrame;
    int m_streamCursor = 0;

    QByteArray m_palette;
    int m_paletteUploads = 0;
    QVector<Write> m_writes;

    QByteArray m_flash;
    bool m_flashCommandArmed = false;
    bool m_flashWriteEnabled = false;
    int m_flashBusy = 0;
    int m_flashErasePolls = 3;
    int m_flashPagePolls = 1;
    bool m_flashStuckBusy = false;
    int m_flashWritesLeft = -1;
    int m_flashErases = 0;
    int m_flashPages = 0;
    uint8_t m_busAnswer[2] = {0x55, 0xAA};
};
