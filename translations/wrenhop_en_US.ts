<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Program Update</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>Installation file(s) are downloading.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>Program Already Running</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>Cartaline is already running.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>Failed to Update Program</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>Network is not connected. 
Update cannot proceed.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Please try again after checking the network (including network cable and router), firewall, and antivirus program settings.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>Failed to Update Program</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>Cannot find the update file.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Please try again later.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>If the problem persists, please contact the customer service.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Visit the Customer Service Website</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>Stop Update</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>Stop the update now?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>If you stop the update, the Cartaline will be closed automatically.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>Failed to Update Program</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>Cartaline has failed to update.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>Would you like to try again?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>Cartaline is ready to be updated.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>To allow this change, please type in the password.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>User Name</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>Failed to Update Program</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>Network is not connected. 
Update cannot proceed.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Please try again after checking the network (including network cable and router), firewall, 
and antivirus program settings.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>Failed to Update Program</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>Failed to update the program.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Please try again later.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>If the problem persists, please contact the customer service.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Visit the Customer Service Website</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
