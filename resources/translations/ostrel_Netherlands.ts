<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>BiaoDing</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>T-AD</source>
        <translation>T-AD</translation>
    </message>
    <message>
        <source>INT</source>
        <translation>INT</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
</context>
<context>
    <name>BrightDialog</name>
    <message>
        <source>Bright</source>
        <translation>Helderheid</translation>
    </message>
</context>
<context>
    <name>CalibInterface</name>
    <message>
        <source>Calib</source>
        <translation>Calib</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>IR Core</source>
        <translation>IR Core</translation>
    </message>
    <message>
        <source>P/N</source>
        <translation>P/N</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>Mix</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Engine Set Dialog</source>
        <translation>Engine Set Dialog</translation>
    </message>
</context>
<context>
    <name>CalibPage</name>
    <message>
        <source>Start Calib</source>
        <translation>Start Calib</translation>
    </message>
    <message>
        <source>Manual Dead Point</source>
        <translation>Manual Dead Point</translation>
    </message>
</context>
<context>
    <name>CustomPaletteStore</name>
    <message>
        <source>Cannot save the palettes!</source>
        <translation>Paletten niet opgeslagen!</translation>
    </message>
</context>
<context>
    <name>DevChipPage</name>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 second</translation>
    </message>
    <message>
        <source>5 second</source>
        <translation>5 second</translation>
    </message>
    <message>
        <source>Calib</source>
        <translation>Calib</translation>
    </message>
    <message>
        <source>Pw-Start</source>
        <translation>Pw-Start</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Delay</translation>
    </message>
</context>
<context>
    <name>DevVersionPage</name>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>EAlarmSetup</name>
    <message>
        <source>Alarm Setting</source>
        <translation>Alarm instellen</translation>
    </message>
    <message>
        <source>Spot 1</source>
        <translation>Punt 1</translation>
    </message>
    <message>
        <source>Spot 2</source>
        <translation>Punt 2</translation>
    </message>
    <message>
        <source>Spot 3</source>
        <translation>Punt 3</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Boven</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Onder</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>Gelijk</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Doel:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>Temp:</source>
        <translation>Temp.:</translation>
    </message>
</context>
<context>
    <name>EAnalysisSetup</name>
    <message>
        <source>Measure Setting</source>
        <translation>Meetinstellingen</translation>
    </message>
    <message>
        <source>Lens:</source>
        <translation>Lens:</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Bereik:</translation>
    </message>
    <message>
        <source>Env:</source>
        <translation>Omgev.:</translation>
    </message>
    <message>
        <source>Humid:</source>
        <translation>RV:</translation>
    </message>
    <message>
        <source>Ref:</source>
        <translation>Refl.:</translation>
    </message>
    <message>
        <source>Changing Temp Range!</source>
        <translation>Meetbereik wisselt!</translation>
    </message>
    <message>
        <source>Calibration file error!</source>
        <translation>Fout in kalibratiebestand!</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>Fout in correctiebestand!</translation>
    </message>
</context>
<context>
    <name>EAreaMode</name>
    <message>
        <source> Max</source>
        <translation> Max</translation>
    </message>
    <message>
        <source> Min</source>
        <translation> Min</translation>
    </message>
    <message>
        <source> Averg</source>
        <translation> Gemiddelde</translation>
    </message>
    <message>
        <source>Area %1 Mode</source>
        <translation>Vlak %1 modus</translation>
    </message>
</context>
<context>
    <name>EAreaSetup</name>
    <message>
        <source>Area 1 Setting</source>
        <translation>Vlak 1 instellen</translation>
    </message>
    <message>
        <source>Area %1 Setting</source>
        <translation>Vlak %1 instellen</translation>
    </message>
</context>
<context>
    <name>EAreaTab</name>
    <message>
        <source>Area 1</source>
        <translation>Vlak 1</translation>
    </message>
    <message>
        <source>Area 2</source>
        <translation>Vlak 2</translation>
    </message>
    <message>
        <source>Area 3</source>
        <translation>Vlak 3</translation>
    </message>
</context>
<context>
    <name>EAreaWidget</name>
    <message>
        <source>A%1</source>
        <translation>V%1</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>Max:</translation>
    </message>
    <message>
        <source>L:</source>
        <translation>Min:</translation>
    </message>
    <message>
        <source>A:</source>
        <translation>Gem:</translation>
    </message>
</context>
<context>
    <name>EBattery</name>
    <message>
        <source>No Lens!</source>
        <translation>Geen lens!</translation>
    </message>
    <message>
        <source>Calibration file error!</source>
        <translation>Fout in kalibratiebestand!</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>Fout in correctiebestand!</translation>
    </message>
</context>
<context>
    <name>ECloseScreenDialog</name>
    <message>
        <source>Screen Off</source>
        <translation>Scherm uit</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1 minuut</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2 minuten</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5 minuten</translation>
    </message>
</context>
<context>
    <name>EColorDialog</name>
    <message>
        <source>Current Color:</source>
        <translation>Huidige kleur:</translation>
    </message>
    <message>
        <source>Red:</source>
        <translation>Rood:</translation>
    </message>
    <message>
        <source>Green:</source>
        <translation>Groen:</translation>
    </message>
    <message>
        <source>Blue:</source>
        <translation>Blauw:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Inschakelen</translation>
    </message>
    <message>
        <source>Min. Value:</source>
        <translation>Min. waarde:</translation>
    </message>
    <message>
        <source>Max. Value:</source>
        <translation>Max. waarde:</translation>
    </message>
</context>
<context>
    <name>ECustomMenu</name>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Hernoemen</translation>
    </message>
</context>
<context>
    <name>ECustomPalette</name>
    <message>
        <source>Custom Palette</source>
        <translation>Aangepast palet</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot;?</source>
        <translation>&quot;%1&quot; verwijderen?</translation>
    </message>
    <message>
        <source>The palette could not be set!</source>
        <translation>Palet niet ingesteld!</translation>
    </message>
</context>
<context>
    <name>EDialogTitle</name>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
</context>
<context>
    <name>EDiffSetup</name>
    <message>
        <source>Diff %1 Setting</source>
        <translation>Verschil %1 instellen</translation>
    </message>
</context>
<context>
    <name>EDiffTab</name>
    <message>
        <source>Diff 1</source>
        <translation>Verschil 1</translation>
    </message>
    <message>
        <source>Diff 2</source>
        <translation>Verschil 2</translation>
    </message>
</context>
<context>
    <name>EGeneralPage</name>
    <message>
        <source>OFF</source>
        <translation>UIT</translation>
    </message>
    <message>
        <source>PAL</source>
        <translation>PAL</translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation>NTSC</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Uitgang</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Precisie</translation>
    </message>
    <message>
        <source>Temp Unit</source>
        <translation>Temp.-eenheid</translation>
    </message>
    <message>
        <source>Len Unit</source>
        <translation>Lengte-eenheid</translation>
    </message>
    <message>
        <source>1 decimal</source>
        <translation>0,1</translation>
    </message>
    <message>
        <source>2 decimals</source>
        <translation>0,01</translation>
    </message>
</context>
<context>
    <name>EGraphicsView</name>
    <message>
        <source>Calibration file error!</source>
        <translation>Fout in kalibratiebestand!</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>Fout in correctiebestand!</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source> M </source>
        <translation> M </translation>
    </message>
    <message>
        <source> HG </source>
        <translation> HG </translation>
    </message>
    <message>
        <source>Calibrating...</source>
        <translation>Kalibreren...</translation>
    </message>
    <message>
        <source>Lack of space</source>
        <translation>Onvoldoende ruimte</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Opslaan mislukt</translation>
    </message>
    <message>
        <source>Automatic Camera</source>
        <translation>Automatische opname</translation>
    </message>
</context>
<context>
    <name>EGraphicsViewPrivate</name>
    <message>
        <source>Distance</source>
        <translation>Afstand</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontaal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticaal</translation>
    </message>
</context>
<context>
    <name>EISOSetup</name>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Trans</source>
        <translation>Transp.</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Onder</translation>
    </message>
    <message>
        <source>Inter</source>
        <translation>Tussen</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Boven</translation>
    </message>
    <message>
        <source>ISO Setting</source>
        <translation>Isotherm instellen</translation>
    </message>
    <message>
        <source>IsoMax:</source>
        <translation>Max:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>IsoMin:</source>
        <translation>Min:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Kleur:</translation>
    </message>
</context>
<context>
    <name>EImageMode</name>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Histogram</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handmatig</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>Aanpassen</translation>
    </message>
</context>
<context>
    <name>EImagePalette</name>
    <message>
        <source>Standard</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Aangepast</translation>
    </message>
    <message>
        <source>Standard *</source>
        <translation>Standaard *</translation>
    </message>
    <message>
        <source>Custom *</source>
        <translation>Aangepast *</translation>
    </message>
</context>
<context>
    <name>EImagePip</name>
    <message>
        <source>IR</source>
        <translation>IR</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Zichtbaar</translation>
    </message>
    <message>
        <source>IR_PIPE_VIS</source>
        <translation>VIS in IR</translation>
    </message>
    <message>
        <source>VIS_PIPE_IR</source>
        <translation>IR in VIS</translation>
    </message>
    <message>
        <source>IR_MIX_VIS</source>
        <translation>IR over VIS</translation>
    </message>
    <message>
        <source>VIS_MIX_IR</source>
        <translation>VIS over IR</translation>
    </message>
    <message>
        <source>Position: TL</source>
        <translation>Positie: LB</translation>
    </message>
    <message>
        <source>Position: BL</source>
        <translation>Positie: LO</translation>
    </message>
    <message>
        <source>Position: BR</source>
        <translation>Positie: RO</translation>
    </message>
    <message>
        <source>Position: TR</source>
        <translation>Positie: RB</translation>
    </message>
    <message>
        <source>Size: Half</source>
        <translation>Grootte: half</translation>
    </message>
    <message>
        <source>Size: Full</source>
        <translation>Grootte: vol</translation>
    </message>
    <message>
        <source>Pos:TopLeft</source>
        <translation>Positie: LB</translation>
    </message>
    <message>
        <source>Per: </source>
        <translation>Aandeel: </translation>
    </message>
</context>
<context>
    <name>EImageSettingTab</name>
    <message>
        <source>ISO</source>
        <translation>Isotherm</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>Overlay verbergen</translation>
    </message>
</context>
<context>
    <name>EInfoPage</name>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Serienr.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>SDCard</source>
        <translation>SD-kaart</translation>
    </message>
</context>
<context>
    <name>ELanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
</context>
<context>
    <name>ELineMode</name>
    <message>
        <source>Row:</source>
        <translation>Rij:</translation>
    </message>
    <message>
        <source>Column:</source>
        <translation>Kolom:</translation>
    </message>
    <message>
        <source>Hor Line</source>
        <translation>H-lijn</translation>
    </message>
    <message>
        <source>Ver Line</source>
        <translation>V-lijn</translation>
    </message>
</context>
<context>
    <name>ELineSetup</name>
    <message>
        <source>Line Setting</source>
        <translation>Lijn instellen</translation>
    </message>
    <message>
        <source>Hor Line Setting</source>
        <translation>H-lijn instellen</translation>
    </message>
    <message>
        <source>Ver Line Setting</source>
        <translation>V-lijn instellen</translation>
    </message>
</context>
<context>
    <name>ELineTab</name>
    <message>
        <source>Hor Line</source>
        <translation>H-lijn</translation>
    </message>
    <message>
        <source>Ver Line</source>
        <translation>V-lijn</translation>
    </message>
</context>
<context>
    <name>ELineWidget</name>
    <message>
        <source>L%1:%2</source>
        <translation>L%1:%2</translation>
    </message>
</context>
<context>
    <name>EListItems</name>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Bediening</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Foto&apos;s</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>Datum &amp; tijd</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>EMainInterface</name>
    <message>
        <source>Measure</source>
        <translation>Meting</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Beeld</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Afspelen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instell.</translation>
    </message>
</context>
<context>
    <name>EMiscPage</name>
    <message>
        <source>Misc</source>
        <translation>Bediening</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lamp</translation>
    </message>
    <message>
        <source>Screen Off</source>
        <translation>Scherm uit</translation>
    </message>
    <message>
        <source>Auto Shutter</source>
        <translation>Auto-sluiter</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Auto-uit</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helderheid</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 seconden</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1 minuut</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2 minuten</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5 minuten</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minuten</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minuten</translation>
    </message>
</context>
<context>
    <name>EObjectSetup</name>
    <message>
        <source>use global para</source>
        <translation>Globale param. gebruiken</translation>
    </message>
    <message>
        <source>Emiss:</source>
        <translation>Emiss.:</translation>
    </message>
    <message>
        <source>Distan:</source>
        <translation>Afstand:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Offset:</translation>
    </message>
</context>
<context>
    <name>EParaSetup</name>
    <message>
        <source>Global Para</source>
        <translation>Globale param.</translation>
    </message>
    <message>
        <source>Reset Para </source>
        <translation>Terugzetten </translation>
    </message>
    <message>
        <source>Emiss:</source>
        <translation>Emiss.:</translation>
    </message>
    <message>
        <source>Distan:</source>
        <translation>Afstand:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Offset:</translation>
    </message>
    <message>
        <source>Reset all measure para to 
 factory para?</source>
        <translation>Alle meetparameters naar 
 fabriekswaarden terugzetten?</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Opslaan mislukt!</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
</context>
<context>
    <name>EPhotosPage</name>
    <message>
        <source>Photos</source>
        <translation>Foto&apos;s</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Herhalen</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Interval</translation>
    </message>
</context>
<context>
    <name>ESettingTab</name>
    <message>
        <source>Global Para</source>
        <translation>Globale parameters</translation>
    </message>
    <message>
        <source>Measure Setting</source>
        <translation>Meetinstellingen</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
</context>
<context>
    <name>EShowModifyDialog</name>
    <message>
        <source>Prev</source>
        <translation>Prev</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>EShutdownDialog</name>
    <message>
        <source>Power Off</source>
        <translation>Auto-uit</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5 minuten</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minuten</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minuten</translation>
    </message>
</context>
<context>
    <name>EShutterDialog</name>
    <message>
        <source>Auto Shutter</source>
        <translation>Auto-sluiter</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 seconden</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1 minuut</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2 minuten</translation>
    </message>
</context>
<context>
    <name>ESpotMode</name>
    <message>
        <source> Manual</source>
        <translation> Handmatig</translation>
    </message>
    <message>
        <source> Max</source>
        <translation> Max</translation>
    </message>
    <message>
        <source> Min</source>
        <translation> Min</translation>
    </message>
    <message>
        <source>Spot %1 Mode</source>
        <translation>Punt %1 modus</translation>
    </message>
</context>
<context>
    <name>ESpotSetup</name>
    <message>
        <source>Spot Setting</source>
        <translation>Punt instellen</translation>
    </message>
    <message>
        <source>Spot %1 Setting</source>
        <translation>Punt %1 instellen</translation>
    </message>
</context>
<context>
    <name>ESpotTab</name>
    <message>
        <source>Spot 1</source>
        <translation>Punt 1</translation>
    </message>
    <message>
        <source>Spot 2</source>
        <translation>Punt 2</translation>
    </message>
    <message>
        <source>Spot 3</source>
        <translation>Punt 3</translation>
    </message>
</context>
<context>
    <name>ESpotWidget</name>
    <message>
        <source>P%1:%2</source>
        <translation>P%1:%2</translation>
    </message>
</context>
<context>
    <name>EStandardPalette</name>
    <message>
        <source>Iron</source>
        <translation>IJzer</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Regenboog</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grijs</translation>
    </message>
    <message>
        <source>GreyInverted</source>
        <translation>Grijs invers</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>Blue_Red</source>
        <translation>Blauw-rood</translation>
    </message>
    <message>
        <source>Hot_Cold</source>
        <translation>Heet-koud</translation>
    </message>
    <message>
        <source>Feather</source>
        <translation>Veer</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Medisch</translation>
    </message>
    <message>
        <source>Standard Palette</source>
        <translation>Standaardpalet</translation>
    </message>
</context>
<context>
    <name>EmifTestPage</name>
    <message>
        <source>EMIF Test</source>
        <translation>EMIF Test</translation>
    </message>
</context>
<context>
    <name>EmissTable</name>
    <message>
        <source>Select Material</source>
        <translation>Materiaal kiezen</translation>
    </message>
</context>
<context>
    <name>IRCoreListItem</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Two Calib</source>
        <translation>Two Calib</translation>
    </message>
    <message>
        <source>Para Setting</source>
        <translation>Para Setting</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
</context>
<context>
    <name>MainBiaoDing</name>
    <message>
        <source>CalibInfo </source>
        <translation>CalibInfo </translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>SetBg</source>
        <translation>SetBg</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Refused: AD %1 at %2 is not below %3 at %4. The table is unchanged.</source>
        <translation>Geweigerd: AD %1 bij %2 ligt niet onder %3 bij %4. De tabel blijft ongewijzigd.</translation>
    </message>
    <message>
        <source>Refused: AD %1 at %2 is not above %3 at %4. The table is unchanged.</source>
        <translation>Geweigerd: AD %1 bij %2 ligt niet boven %3 bij %4. De tabel blijft ongewijzigd.</translation>
    </message>
</context>
<context>
    <name>ParaBackupPage</name>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
</context>
<context>
    <name>PhotoMessageBox</name>
    <message>
        <source>Delete</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Delete image?</source>
        <translation>Foto wissen?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
</context>
<context>
    <name>PhotoTimeDialog</name>
    <message>
        <source>Photo Time</source>
        <translation>Fotointerval</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuut</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Uur</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Seconde</translation>
    </message>
</context>
<context>
    <name>PhotosView</name>
    <message>
        <source>The voice note is too long to be played.</source>
        <translation>De spraaknotitie is te lang om af te spelen.</translation>
    </message>
</context>
<context>
    <name>ProductInfoWidget</name>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>ScreenDirectory</name>
    <message>
        <source>No sd card</source>
        <translation>Geen SD-kaart</translation>
    </message>
    <message>
        <source>This directory is empty</source>
        <translation>Map is leeg</translation>
    </message>
</context>
<context>
    <name>SetListItem</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Calib</source>
        <translation>Calib</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Bak</source>
        <translation>Bak</translation>
    </message>
</context>
<context>
    <name>SettingsSync</name>
    <message>
        <source>Settings not stored!</source>
        <translation>Instellingen niet opgeslagen!</translation>
    </message>
</context>
<context>
    <name>ThumbStatus</name>
    <message>
        <source>This directory is empty</source>
        <translation>Map is leeg</translation>
    </message>
    <message>
        <source>No sd card</source>
        <translation>Geen SD-kaart</translation>
    </message>
</context>
<context>
    <name>ThumbToolWidget</name>
    <message>
        <source>exit</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles kiezen</translation>
    </message>
    <message>
        <source>UnSelect All</source>
        <translation>Niets kiezen</translation>
    </message>
</context>
<context>
    <name>UseKeyBoardDialog</name>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
</context>
<context>
    <name>VideoView</name>
    <message>
        <source>This video cannot be played</source>
        <translation>Deze video kan niet worden afgespeeld</translation>
    </message>
</context>
<context>
    <name>ZDateFormat</name>
    <message>
        <source>Date Format</source>
        <translation>Datumnotatie</translation>
    </message>
</context>
<context>
    <name>ZDateTimePage</name>
    <message>
        <source>set DateTime</source>
        <translation>Datum/tijd</translation>
    </message>
    <message>
        <source>Set Date</source>
        <translation>Datum instellen</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Tijd instellen</translation>
    </message>
    <message>
        <source>24-hour</source>
        <translation>24-uurs</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Datumnotatie</translation>
    </message>
    <message>
        <source>12-hour</source>
        <translation>12-uurs</translation>
    </message>
</context>
<context>
    <name>ZMultifunctional</name>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
</context>
<context>
    <name>ZPshutdown</name>
    <message>
        <source>Slide to power off</source>
        <translation>Schuif om uit te zetten</translation>
    </message>
    <message>
        <source>Shutdown .....</source>
        <translation>Uitschakelen .....</translation>
    </message>
</context>
<context>
    <name>ZSetTime</name>
    <message>
        <source>12-Hour</source>
        <translation>12-uurs</translation>
    </message>
    <message>
        <source>24-Hour</source>
        <translation>24-uurs</translation>
    </message>
</context>
<context>
    <name>setData</name>
    <message>
        <source>Set Data</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>MM/DD/JJJJ</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>DD/MM/JJJJ</translation>
    </message>
    <message>
        <source>yyyy/mm/dd</source>
        <translation>JJJJ/MM/DD</translation>
    </message>
</context>
</TS>
