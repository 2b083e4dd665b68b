<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BiaoDing</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Abbrechen</translation>
    </message>
    <message>
        <source>T-AD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrightDialog</name>
    <message>
        <source>Bright</source>
        <translation>Helligkeit</translation>
    </message>
</context>
<context>
    <name>CalibInterface</name>
    <message>
        <source>Calib</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IR Core</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P/N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished">Einstellungen</translation>
    </message>
    <message>
        <source>Engine Set Dialog</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalibPage</name>
    <message>
        <source>Start Calib</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual Dead Point</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CustomPaletteStore</name>
    <message>
        <source>Cannot save the palettes!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DevChipPage</name>
    <message>
        <source>OFF</source>
        <translation type="unfinished">AUS</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calib</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pw-Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DevVersionPage</name>
    <message>
        <source>Version</source>
        <translation type="unfinished">Version</translation>
    </message>
</context>
<context>
    <name>EAlarmSetup</name>
    <message>
        <source>Alarm Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spot 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spot 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spot 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temp:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EAnalysisSetup</name>
    <message>
        <source>Measure Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lens:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Env:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Humid:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ref:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changing Temp Range!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration file error!</source>
        <translation type="unfinished">Fehler in Kalibrierdatei!</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation type="unfinished">Fehler in Korrekturdatei!</translation>
    </message>
</context>
<context>
    <name>EAreaMode</name>
    <message>
        <source> Max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Averg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %1 Mode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EAreaSetup</name>
    <message>
        <source>Area 1 Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %1 Setting</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EAreaTab</name>
    <message>
        <source>Area 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area 3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EAreaWidget</name>
    <message>
        <source>A%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EBattery</name>
    <message>
        <source>No Lens!</source>
        <translation>Kein Objektiv!</translation>
    </message>
    <message>
        <source>Calibration file error!</source>
        <translation>Fehler in Kalibrierdatei!</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>Fehler in Korrekturdatei!</translation>
    </message>
</context>
<context>
    <name>ECloseScreenDialog</name>
    <message>
        <source>Screen Off</source>
        <translation>Bildschirm aus</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1 Minute</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2 Minuten</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5 Minuten</translation>
    </message>
</context>
<context>
    <name>EColorDialog</name>
    <message>
        <source>Current Color:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Abbrechen</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min. Value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max. Value:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ECustomMenu</name>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ECustomPalette</name>
    <message>
        <source>Custom Palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The palette could not be set!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EDialogTitle</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>EDiffSetup</name>
    <message>
        <source>Diff %1 Setting</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EDiffTab</name>
    <message>
        <source>Diff 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diff 2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EGeneralPage</name>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
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
        <source>Single</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doppelt</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Genauigkeit</translation>
    </message>
    <message>
        <source>Temp Unit</source>
        <translation>Temp.-Einheit</translation>
    </message>
    <message>
        <source>Len Unit</source>
        <translation>Längeneinheit</translation>
    </message>
</context>
<context>
    <name>EGraphicsView</name>
    <message>
        <source>Calibration file error!</source>
        <translation type="unfinished">Fehler in Kalibrierdatei!</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation type="unfinished">Fehler in Korrekturdatei!</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished">Auto</translation>
    </message>
    <message>
        <source> M </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> HG </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibrating...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EGraphicsViewPrivate</name>
    <message>
        <source>Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EISOSetup</name>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ISO Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IsoMax:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IsoMin:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EImageMode</name>
    <message>
        <source>Auto</source>
        <translation type="unfinished">Auto</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EImagePalette</name>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard *</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom *</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EImagePip</name>
    <message>
        <source>IR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IR_PIPE_VIS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VIS_PIPE_IR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IR_MIX_VIS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VIS_MIX_IR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position: TL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position: BL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position: BR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position: TR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size: Half</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size: Full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pos:TopLeft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EImageSettingTab</name>
    <message>
        <source>ISO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation type="unfinished"></translation>
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
        <translation>Modell</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>SDCard</source>
        <translation>SD-Karte</translation>
    </message>
</context>
<context>
    <name>ELanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
</context>
<context>
    <name>ELineMode</name>
    <message>
        <source>Row:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hor Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ver Line</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ELineSetup</name>
    <message>
        <source>Line Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hor Line Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ver Line Setting</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ELineTab</name>
    <message>
        <source>Hor Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ver Line</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ELineWidget</name>
    <message>
        <source>L%1:%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EListItems</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>Datum &amp; Zeit</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished">Einstellungen</translation>
    </message>
</context>
<context>
    <name>EMiscPage</name>
    <message>
        <source>Misc</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lampe</translation>
    </message>
    <message>
        <source>Screen Off</source>
        <translation>Bildschirm aus</translation>
    </message>
    <message>
        <source>Auto Shutter</source>
        <translation>Auto-Verschluss</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 Sekunden</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1 Minute</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2 Minuten</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5 Minuten</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 Minuten</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 Minuten</translation>
    </message>
</context>
<context>
    <name>EObjectSetup</name>
    <message>
        <source>use global para</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emiss:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distan:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EParaSetup</name>
    <message>
        <source>Global Para</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Para </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emiss:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distan:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset all measure para to 
 factory para?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EPhotosPage</name>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ESettingTab</name>
    <message>
        <source>Global Para</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measure Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EShowModifyDialog</name>
    <message>
        <source>Prev</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EShutdownDialog</name>
    <message>
        <source>Power Off</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5 Minuten</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 Minuten</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 Minuten</translation>
    </message>
</context>
<context>
    <name>EShutterDialog</name>
    <message>
        <source>Auto Shutter</source>
        <translation>Auto-Verschluss</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 Sekunden</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1 Minute</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2 Minuten</translation>
    </message>
</context>
<context>
    <name>ESpotMode</name>
    <message>
        <source> Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spot %1 Mode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ESpotSetup</name>
    <message>
        <source>Spot Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spot %1 Setting</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ESpotTab</name>
    <message>
        <source>Spot 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spot 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spot 3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ESpotWidget</name>
    <message>
        <source>P%1:%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EStandardPalette</name>
    <message>
        <source>Iron</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GreyInverted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue_Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot_Cold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feather</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard Palette</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmifTestPage</name>
    <message>
        <source>EMIF Test</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmissTable</name>
    <message>
        <source>Select Material</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IRCoreListItem</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished">Einstellungen</translation>
    </message>
    <message>
        <source>Two Calib</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Para Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainBiaoDing</name>
    <message>
        <source>CalibInfo </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SetBg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ParaBackupPage</name>
    <message>
        <source>Backup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhotoMessageBox</name>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete image?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Abbrechen</translation>
    </message>
</context>
<context>
    <name>PhotoTimeDialog</name>
    <message>
        <source>Photo Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProductInfoWidget</name>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenDirectory</name>
    <message>
        <source>No sd card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This directory is empty</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetListItem</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished">Einstellungen</translation>
    </message>
    <message>
        <source>Calib</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bak</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ThumbStatus</name>
    <message>
        <source>This directory is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sd card</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ThumbToolWidget</name>
    <message>
        <source>exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UnSelect All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UseKeyBoardDialog</name>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ZDateFormat</name>
    <message>
        <source>Date Format</source>
        <translation>Datumsformat</translation>
    </message>
</context>
<context>
    <name>ZDateTimePage</name>
    <message>
        <source>set DateTime</source>
        <translation>Datum/Zeit</translation>
    </message>
    <message>
        <source>Set Date</source>
        <translation>Datum einstellen</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Zeit einstellen</translation>
    </message>
    <message>
        <source>24-hour</source>
        <translation>24 Stunden</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>12-hour</source>
        <translation>12 Stunden</translation>
    </message>
</context>
<context>
    <name>ZMultifunctional</name>
    <message>
        <source>Done</source>
        <translation type="unfinished">Fertig</translation>
    </message>
</context>
<context>
    <name>ZPshutdown</name>
    <message>
        <source>Slide to power off</source>
        <translation>Zum Ausschalten schieben</translation>
    </message>
    <message>
        <source>Shutdown .....</source>
        <translation>Ausschalten .....</translation>
    </message>
</context>
<context>
    <name>ZSetTime</name>
    <message>
        <source>12-Hour</source>
        <translation>12 Std.</translation>
    </message>
    <message>
        <source>24-Hour</source>
        <translation>24 Std.</translation>
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
        <translation>MM/TT/JJJJ</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>TT/MM/JJJJ</translation>
    </message>
    <message>
        <source>yyyy/mm/dd</source>
        <translation>JJJJ/MM/TT</translation>
    </message>
</context>
</TS>
