<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
        <translation>Brillo</translation>
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
        <translation>¡No se pueden guardar las paletas!</translation>
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
        <translation>Ajustes alarma</translation>
    </message>
    <message>
        <source>Spot 1</source>
        <translation>Punto 1</translation>
    </message>
    <message>
        <source>Spot 2</source>
        <translation>Punto 2</translation>
    </message>
    <message>
        <source>Spot 3</source>
        <translation>Punto 3</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Por encima</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Por debajo</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>Igual</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Objeto:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modo:</translation>
    </message>
    <message>
        <source>Temp:</source>
        <translation>Temp:</translation>
    </message>
</context>
<context>
    <name>EAnalysisSetup</name>
    <message>
        <source>Measure Setting</source>
        <translation>Ajustes medición</translation>
    </message>
    <message>
        <source>Lens:</source>
        <translation>Lente:</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Rango:</translation>
    </message>
    <message>
        <source>Env:</source>
        <translation>Amb.:</translation>
    </message>
    <message>
        <source>Humid:</source>
        <translation>Humedad:</translation>
    </message>
    <message>
        <source>Ref:</source>
        <translation>Refl.:</translation>
    </message>
    <message>
        <source>Changing Temp Range!</source>
        <translation>¡Cambiando rango de temp.!</translation>
    </message>
    <message>
        <source>Calibration file error!</source>
        <translation>¡Error en archivo de calibración!</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>¡Error en archivo de corrección!</translation>
    </message>
</context>
<context>
    <name>EAreaMode</name>
    <message>
        <source> Max</source>
        <translation> Máx</translation>
    </message>
    <message>
        <source> Min</source>
        <translation> Mín</translation>
    </message>
    <message>
        <source> Averg</source>
        <translation> Media</translation>
    </message>
    <message>
        <source>Area %1 Mode</source>
        <translation>Modo área %1</translation>
    </message>
</context>
<context>
    <name>EAreaSetup</name>
    <message>
        <source>Area 1 Setting</source>
        <translation>Ajustes área 1</translation>
    </message>
    <message>
        <source>Area %1 Setting</source>
        <translation>Ajustes área %1</translation>
    </message>
</context>
<context>
    <name>EAreaTab</name>
    <message>
        <source>Area 1</source>
        <translation>Área 1</translation>
    </message>
    <message>
        <source>Area 2</source>
        <translation>Área 2</translation>
    </message>
    <message>
        <source>Area 3</source>
        <translation>Área 3</translation>
    </message>
</context>
<context>
    <name>EAreaWidget</name>
    <message>
        <source>A%1</source>
        <translation>A%1</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>Máx:</translation>
    </message>
    <message>
        <source>L:</source>
        <translation>Mín:</translation>
    </message>
    <message>
        <source>A:</source>
        <translation>Med:</translation>
    </message>
</context>
<context>
    <name>EBattery</name>
    <message>
        <source>No Lens!</source>
        <translation>¡Sin lente!</translation>
    </message>
    <message>
        <source>Calibration file error!</source>
        <translation>¡Error en archivo de calibración!</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>¡Error en archivo de corrección!</translation>
    </message>
</context>
<context>
    <name>ECloseScreenDialog</name>
    <message>
        <source>Screen Off</source>
        <translation>Reposo pantalla</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1 minuto</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2 minutos</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5 minutos</translation>
    </message>
</context>
<context>
    <name>EColorDialog</name>
    <message>
        <source>Current Color:</source>
        <translation>Color actual:</translation>
    </message>
    <message>
        <source>Red:</source>
        <translation>Rojo:</translation>
    </message>
    <message>
        <source>Green:</source>
        <translation>Verde:</translation>
    </message>
    <message>
        <source>Blue:</source>
        <translation>Azul:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anular</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Min. Value:</source>
        <translation>Valor mín.:</translation>
    </message>
    <message>
        <source>Max. Value:</source>
        <translation>Valor máx.:</translation>
    </message>
</context>
<context>
    <name>ECustomMenu</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
</context>
<context>
    <name>ECustomPalette</name>
    <message>
        <source>Custom Palette</source>
        <translation>Paleta personalizada</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot;?</source>
        <translation>¿Eliminar &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>The palette could not be set!</source>
        <translation>¡No se pudo aplicar la paleta!</translation>
    </message>
</context>
<context>
    <name>EDialogTitle</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>EDiffSetup</name>
    <message>
        <source>Diff %1 Setting</source>
        <translation>Ajustes dif. %1</translation>
    </message>
</context>
<context>
    <name>EDiffTab</name>
    <message>
        <source>Diff 1</source>
        <translation>Dif. 1</translation>
    </message>
    <message>
        <source>Diff 2</source>
        <translation>Dif. 2</translation>
    </message>
</context>
<context>
    <name>EGeneralPage</name>
    <message>
        <source>OFF</source>
        <translation>No</translation>
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
        <translation>General</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Precisión</translation>
    </message>
    <message>
        <source>Temp Unit</source>
        <translation>Unidad temp.</translation>
    </message>
    <message>
        <source>Len Unit</source>
        <translation>Unidad long.</translation>
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
        <translation>¡Error en archivo de calibración!</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>¡Error en archivo de corrección!</translation>
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
        <translation>Calibrando...</translation>
    </message>
    <message>
        <source>Lack of space</source>
        <translation>Espacio insuficiente</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>Automatic Camera</source>
        <translation>Captura automática</translation>
    </message>
</context>
<context>
    <name>EGraphicsViewPrivate</name>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
</context>
<context>
    <name>EISOSetup</name>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Trans</source>
        <translation>Transp.</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Por debajo</translation>
    </message>
    <message>
        <source>Inter</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Por encima</translation>
    </message>
    <message>
        <source>ISO Setting</source>
        <translation>Ajustes isoterma</translation>
    </message>
    <message>
        <source>IsoMax:</source>
        <translation>IsoMáx:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modo:</translation>
    </message>
    <message>
        <source>IsoMin:</source>
        <translation>IsoMín:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Color:</translation>
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
        <translation>Histograma</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>Ajustar</translation>
    </message>
</context>
<context>
    <name>EImagePalette</name>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizada</translation>
    </message>
    <message>
        <source>Standard *</source>
        <translation>Estándar *</translation>
    </message>
    <message>
        <source>Custom *</source>
        <translation>Personalizada *</translation>
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
        <translation>Visible</translation>
    </message>
    <message>
        <source>IR_PIPE_VIS</source>
        <translation>PiP IR/VIS</translation>
    </message>
    <message>
        <source>VIS_PIPE_IR</source>
        <translation>PiP VIS/IR</translation>
    </message>
    <message>
        <source>IR_MIX_VIS</source>
        <translation>Fusión IR/VIS</translation>
    </message>
    <message>
        <source>VIS_MIX_IR</source>
        <translation>Fusión VIS/IR</translation>
    </message>
    <message>
        <source>Position: TL</source>
        <translation>Arriba izq.</translation>
    </message>
    <message>
        <source>Position: BL</source>
        <translation>Abajo izq.</translation>
    </message>
    <message>
        <source>Position: BR</source>
        <translation>Abajo der.</translation>
    </message>
    <message>
        <source>Position: TR</source>
        <translation>Arriba der.</translation>
    </message>
    <message>
        <source>Size: Half</source>
        <translation>Tamaño: medio</translation>
    </message>
    <message>
        <source>Size: Full</source>
        <translation>Tamaño: total</translation>
    </message>
    <message>
        <source>Pos:TopLeft</source>
        <translation>Arriba izq.</translation>
    </message>
    <message>
        <source>Per: </source>
        <translation>Fusión: </translation>
    </message>
</context>
<context>
    <name>EImageSettingTab</name>
    <message>
        <source>ISO</source>
        <translation>Isoterma</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>Solo imagen</translation>
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
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>SDCard</source>
        <translation>Tarjeta SD</translation>
    </message>
</context>
<context>
    <name>ELanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
</context>
<context>
    <name>ELineMode</name>
    <message>
        <source>Row:</source>
        <translation>Fila:</translation>
    </message>
    <message>
        <source>Column:</source>
        <translation>Columna:</translation>
    </message>
    <message>
        <source>Hor Line</source>
        <translation>Línea H</translation>
    </message>
    <message>
        <source>Ver Line</source>
        <translation>Línea V</translation>
    </message>
</context>
<context>
    <name>ELineSetup</name>
    <message>
        <source>Line Setting</source>
        <translation>Ajustes línea</translation>
    </message>
    <message>
        <source>Hor Line Setting</source>
        <translation>Ajustes línea H</translation>
    </message>
    <message>
        <source>Ver Line Setting</source>
        <translation>Ajustes línea V</translation>
    </message>
</context>
<context>
    <name>ELineTab</name>
    <message>
        <source>Hor Line</source>
        <translation>Línea H</translation>
    </message>
    <message>
        <source>Ver Line</source>
        <translation>Línea V</translation>
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
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>Fecha y hora</translation>
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
        <translation>Medición</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reprod.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
</context>
<context>
    <name>EMiscPage</name>
    <message>
        <source>Misc</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lámpara</translation>
    </message>
    <message>
        <source>Screen Off</source>
        <translation>Reposo pantalla</translation>
    </message>
    <message>
        <source>Auto Shutter</source>
        <translation>Obtur. auto</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Autoapagado</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 segundos</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1 minuto</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2 minutos</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5 minutos</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutos</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutos</translation>
    </message>
</context>
<context>
    <name>EObjectSetup</name>
    <message>
        <source>use global para</source>
        <translation>Usar parám. globales</translation>
    </message>
    <message>
        <source>Emiss:</source>
        <translation>Emis.:</translation>
    </message>
    <message>
        <source>Distan:</source>
        <translation>Dist.:</translation>
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
        <translation>Parám. globales</translation>
    </message>
    <message>
        <source>Reset Para </source>
        <translation>Restablecer parám. </translation>
    </message>
    <message>
        <source>Emiss:</source>
        <translation>Emis.:</translation>
    </message>
    <message>
        <source>Distan:</source>
        <translation>Dist.:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Offset:</translation>
    </message>
    <message>
        <source>Reset all measure para to 
 factory para?</source>
        <translation>¿Restablecer de fábrica todos
 los parámetros de medición?</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>¡Error al guardar!</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
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
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Intervalo</translation>
    </message>
</context>
<context>
    <name>ESettingTab</name>
    <message>
        <source>Global Para</source>
        <translation>Parám. globales</translation>
    </message>
    <message>
        <source>Measure Setting</source>
        <translation>Ajustes medición</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
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
        <translation>Autoapagado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5 minutos</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutos</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutos</translation>
    </message>
</context>
<context>
    <name>EShutterDialog</name>
    <message>
        <source>Auto Shutter</source>
        <translation>Obturador auto</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 segundos</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1 minuto</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2 minutos</translation>
    </message>
</context>
<context>
    <name>ESpotMode</name>
    <message>
        <source> Manual</source>
        <translation> Manual</translation>
    </message>
    <message>
        <source> Max</source>
        <translation> Máx</translation>
    </message>
    <message>
        <source> Min</source>
        <translation> Mín</translation>
    </message>
    <message>
        <source>Spot %1 Mode</source>
        <translation>Modo punto %1</translation>
    </message>
</context>
<context>
    <name>ESpotSetup</name>
    <message>
        <source>Spot Setting</source>
        <translation>Ajustes punto</translation>
    </message>
    <message>
        <source>Spot %1 Setting</source>
        <translation>Ajustes punto %1</translation>
    </message>
</context>
<context>
    <name>ESpotTab</name>
    <message>
        <source>Spot 1</source>
        <translation>Punto 1</translation>
    </message>
    <message>
        <source>Spot 2</source>
        <translation>Punto 2</translation>
    </message>
    <message>
        <source>Spot 3</source>
        <translation>Punto 3</translation>
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
        <translation>Hierro</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arcoíris</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>GreyInverted</source>
        <translation>Gris inverso</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>Blue_Red</source>
        <translation>Azul-rojo</translation>
    </message>
    <message>
        <source>Hot_Cold</source>
        <translation>Calor-frío</translation>
    </message>
    <message>
        <source>Feather</source>
        <translation>Pluma</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Médica</translation>
    </message>
    <message>
        <source>Standard Palette</source>
        <translation>Paleta estándar</translation>
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
        <translation>Elegir material</translation>
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
        <translation>Rechazado: AD %1 a %2 no es menor que %3 a %4. La tabla no cambia.</translation>
    </message>
    <message>
        <source>Refused: AD %1 at %2 is not above %3 at %4. The table is unchanged.</source>
        <translation>Rechazado: AD %1 a %2 no es mayor que %3 a %4. La tabla no cambia.</translation>
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
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Delete image?</source>
        <translation>¿Borrar imagen?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PhotoTimeDialog</name>
    <message>
        <source>Photo Time</source>
        <translation>Intervalo foto</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segundo</translation>
    </message>
</context>
<context>
    <name>PhotosView</name>
    <message>
        <source>The voice note is too long to be played.</source>
        <translation>La nota de voz es demasiado larga para reproducirla.</translation>
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
        <translation>Sin tarjeta SD</translation>
    </message>
    <message>
        <source>This directory is empty</source>
        <translation>Esta carpeta está vacía</translation>
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
        <translation>¡Ajustes no guardados!</translation>
    </message>
</context>
<context>
    <name>ThumbStatus</name>
    <message>
        <source>This directory is empty</source>
        <translation>Esta carpeta está vacía</translation>
    </message>
    <message>
        <source>No sd card</source>
        <translation>Sin tarjeta SD</translation>
    </message>
</context>
<context>
    <name>ThumbToolWidget</name>
    <message>
        <source>exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Marcar todo</translation>
    </message>
    <message>
        <source>UnSelect All</source>
        <translation>Desmarcar</translation>
    </message>
</context>
<context>
    <name>UseKeyBoardDialog</name>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anular</translation>
    </message>
</context>
<context>
    <name>VideoView</name>
    <message>
        <source>This video cannot be played</source>
        <translation>No se puede reproducir este vídeo</translation>
    </message>
</context>
<context>
    <name>ZDateFormat</name>
    <message>
        <source>Date Format</source>
        <translation>Formato fecha</translation>
    </message>
</context>
<context>
    <name>ZDateTimePage</name>
    <message>
        <source>set DateTime</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Set Date</source>
        <translation>Ajustar fecha</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Ajustar hora</translation>
    </message>
    <message>
        <source>24-hour</source>
        <translation>24 horas</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato fecha</translation>
    </message>
    <message>
        <source>12-hour</source>
        <translation>12 horas</translation>
    </message>
</context>
<context>
    <name>ZMultifunctional</name>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>ZPshutdown</name>
    <message>
        <source>Slide to power off</source>
        <translation>Deslice para apagar</translation>
    </message>
    <message>
        <source>Shutdown .....</source>
        <translation>Apagando .....</translation>
    </message>
</context>
<context>
    <name>ZSetTime</name>
    <message>
        <source>12-Hour</source>
        <translation>12 horas</translation>
    </message>
    <message>
        <source>24-Hour</source>
        <translation>24 horas</translation>
    </message>
</context>
<context>
    <name>setData</name>
    <message>
        <source>Set Data</source>
        <translation>Ajustar fecha</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/dd/aaaa</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>dd/mm/aaaa</translation>
    </message>
    <message>
        <source>yyyy/mm/dd</source>
        <translation>aaaa/mm/dd</translation>
    </message>
</context>
</TS>
