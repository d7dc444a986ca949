#include "artworkCatalogue.h"

#include "buttonFaces.h"
#include "menuBackground.h"
#include "moonPhases.h"
#include "planets.h"
#include "publisherLogo.h"
#include "titleArtwork.h"

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

constexpr auto gif = ArtworkFormat::Gif;
constexpr auto jpeg = ArtworkFormat::Jpeg;

}  // namespace

const std::vector<ArtworkFile>& artworkCatalogue()
{
    static const std::vector<ArtworkFile> catalogue = {
        {"opening/tessil00.gif",  {316, 236}, gif,  drawTitleArtwork},
        {"Images/exit.jpg",       {119,  33}, jpeg, button("Exit")},
        {"Images/next.jpg",       {119,  33}, jpeg, button("Next")},
        {"Images/answer.jpg",     {119,  33}, jpeg, button("Answer")},
        {"Images/check.jpg",      {119,  33}, jpeg, button("Check")},
        {"Images/jotter.jpg",     {119,  33}, jpeg, button("Jotter")},
        {"Images/scramble.jpg",   {119,  33}, jpeg, button("Scramble")},
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
    };
    return catalogue;
}

QStringList emptyArtworkFolders() { return {QStringLiteral("newton")}; }

}  // namespace lumenary::artwork
