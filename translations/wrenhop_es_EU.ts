<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_EU">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Actualización del programa</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>Descargando los archivos de instalación.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>El programa ya se está ejecutando</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>Cartaline ya se está ejecutando.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>Error al actualizar el programa</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>No hay conexión de red. 
No se puede continuar con la actualización.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Compruebe la red (incluidos el cable de red y el router), el cortafuegos y la configuración del antivirus, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>Error al actualizar el programa</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>No se encuentra el archivo de actualización.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Vuelva a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>Si el problema persiste, póngase en contacto con el servicio de atención al cliente.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Visitar el sitio web de atención al cliente</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>Detener la actualización</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>¿Detener la actualización ahora?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>Si detiene la actualización, Cartaline se cerrará automáticamente.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>Error al actualizar el programa</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>No se ha podido actualizar Cartaline.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>¿Desea volver a intentarlo?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>Cartaline está listo para actualizarse.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>Para permitir este cambio, escriba la contraseña.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>Error al actualizar el programa</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>No hay conexión de red. 
No se puede continuar con la actualización.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Compruebe la red (incluidos el cable de red y el router), el cortafuegos 
y la configuración del antivirus, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>Error al actualizar el programa</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>No se ha podido actualizar el programa.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Vuelva a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>Si el problema persiste, póngase en contacto con el servicio de atención al cliente.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Visitar el sitio web de atención al cliente</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
