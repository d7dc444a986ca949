#include "artworkCatalogue.h"

#include "buttonFaces.h"
#include "menuBackground.h"
#include "magnetMaterials.h"
#include "magnetPairs.h"
#include "moonPhases.h"
#include "newtonMeter.h"
#include "planets.h"
#include "publisherLogo.h"
#include "titleArtwork.h"

#include "runtime/language/Translation.h"

namespace lumenary::artwork {

namespace {

std::function<QImage(QSize)> button(const QString& word)
{
    return [word](QSize size) { return drawButtonFace(size, word); };
}

std::function<QImage(QSize)> moonPhase(int phaseIndex)
{
    return [phaseIndex](QSize size) { return drawMoonPhase(size, phaseIndex); };
}

std::function<QImage(QSize)> newtonMeter(int newtons)
{
    return [newtons](QSize size) { return drawNewtonMeter(size, newtons); };
}

std::function<QImage(QSize)> magnetPair(int pictureIndex)
{
    return [pictureIndex](QSize size) { return drawMagnetPair(size, pictureIndex); };
}

std::function<QImage(QSize)> magnetAndMaterial(MaterialSample material)
{
    return [material](QSize size) { return drawMagnetAndMaterial(size, material); };
}

constexpr auto gif = ArtworkFormat::Gif;
constexpr auto jpeg = ArtworkFormat::Jpeg;
constexpr auto bmp = ArtworkFormat::Bmp;

}  // namespace

// The pictures with words, drawn again in each language the program speaks, into a folder
// named by its code beside the English one.
static std::vector<ArtworkFile> inEveryLanguage()
{
    std::vector<ArtworkFile> copies;
    for (const Catalogue& catalogue : catalogues()) {
        useLanguage(catalogue.code);
        const QString folder = QStringLiteral("Images/%1/").arg(QString::fromLatin1(catalogue.code));
        copies.push_back({folder + QStringLiteral("exit.jpg"), {119, 33}, ArtworkFormat::Jpeg, button(QString::fromStdString(tr("Exit")))});
    }
    useLanguage("en");
    return copies;
}

const std::vector<ArtworkFile>& artworkCatalogue()
{
    static const std::vector<ArtworkFile> catalogue = [] {
      std::vector<ArtworkFile> files = {
        {"opening/tessil00.gif",  {316, 236}, gif,  drawTitleArtwork},
        {"Images/exit.jpg",       {119,  33}, jpeg, button("Exit")},
        {"Images/tessil3.jpg",    {800, 600}, jpeg, drawMenuBackground},
        {"Images/logo2.jpg",      {100, 139}, jpeg, drawPublisherLogo},
        {"Images/phases0.jpg",    {154, 117}, jpeg, moonPhase(0)},
        {"Images/phases1.jpg",    {154, 117}, jpeg, moonPhase(1)},
        {"Images/phases2.jpg",    {154, 117}, jpeg, moonPhase(2)},
        {"Images/phases3.jpg",    {154, 117}, jpeg, moonPhase(3)},
        {"Images/phases4.jpg",    {154, 117}, jpeg, moonPhase(4)},
        {"Images/phases5.jpg",    {154, 117}, jpeg, moonPhase(5)},
        {"Images/phases6.jpg",    {154, 117}, jpeg, moonPhase(6)},
        {"Images/phases7.jpg",    {154, 117}, jpeg, moonPhase(7)},
        {"Images/jupitersm.jpg",  {164, 149}, jpeg, drawJupiter},
        {"Images/mercurysm2.jpg", { 49,  48}, jpeg, drawMercury},
        {"Images/venussm.jpg",    { 74,  71}, jpeg, drawVenus},
        {"Images/earthsm.jpg",    { 75,  77}, jpeg, drawEarth},
        {"Images/saturn.jpg",     {268, 193}, jpeg, drawSaturn},
        {"Images/marssm.jpg",     { 52,  50}, jpeg, drawMars},
        {"Images/uranus.jpg",     {110, 106}, jpeg, drawUranus},
        {"Images/neptune.jpg",    {110, 108}, jpeg, drawNeptune},
        {"Images/pluto.jpg",      { 42,  41}, jpeg, drawPluto},
        {"newton/newton01.bmp",   {141, 480}, bmp,  newtonMeter(1)},
        {"newton/newton02.bmp",   {141, 480}, bmp,  newtonMeter(2)},
        {"newton/newton03.bmp",   {141, 480}, bmp,  newtonMeter(3)},
        {"newton/newton04.bmp",   {141, 480}, bmp,  newtonMeter(4)},
        {"newton/newton05.bmp",   {141, 480}, bmp,  newtonMeter(5)},
        {"newton/newton06.bmp",   {141, 480}, bmp,  newtonMeter(6)},
        {"newton/newton07.bmp",   {141, 480}, bmp,  newtonMeter(7)},
        {"newton/newton08.bmp",   {141, 480}, bmp,  newtonMeter(8)},
        {"newton/newton09.bmp",   {141, 480}, bmp,  newtonMeter(9)},
        {"newton/newton10.bmp",   {141, 480}, bmp,  newtonMeter(10)},
        {"Images/magnets1.bmp",   {800,  75}, bmp,  magnetPair(1)},
        {"Images/magnets2.bmp",   {800,  75}, bmp,  magnetPair(2)},
        {"Images/magnets3.bmp",   {800,  75}, bmp,  magnetPair(3)},
        {"Images/magnets4.bmp",   {800,  75}, bmp,  magnetPair(4)},
        {"Images/magnets5.bmp",   {330, 170}, bmp,  magnetPair(5)},
        {"Images/magnets6.bmp",   {330, 170}, bmp,  magnetPair(6)},
        {"Images/magnets7.bmp",   {330, 170}, bmp,  magnetPair(7)},
        {"Images/magnets8.bmp",   {330, 170}, bmp,  magnetPair(8)},
        {"Images/magmetal1.bmp",  {640, 238}, bmp,  magnetAndMaterial(MaterialSample::Copper)},
        {"Images/magmetal2.bmp",  {640, 238}, bmp,  magnetAndMaterial(MaterialSample::Iron)},
        {"Images/magmetal3.bmp",  {640, 238}, bmp,  magnetAndMaterial(MaterialSample::PlainMetal)},
        {"Images/magmetal4.bmp",  {640, 238}, bmp,  magnetAndMaterial(MaterialSample::Plastic)},
        {"Images/magmetal5.bmp",  {640, 238}, bmp,  magnetAndMaterial(MaterialSample::Mirror)},
      };
      for (ArtworkFile& copy : inEveryLanguage()) files.push_back(std::move(copy));
      return files;
    }();
    return catalogue;
}

}  // namespace lumenary::artwork
